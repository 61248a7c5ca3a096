#include "quillmere08/clock.h"

#include <gtest/gtest.h>

#include <memory>

#include "console/render.h"

namespace q08 {
namespace {

TEST(ClockText, PadsHourWithBlankAndMinuteByFormat) {
  EXPECT_EQ(clockText(13, 20, MinuteFormat::zeroPadded), "13:20");
  EXPECT_EQ(clockText(9, 5, MinuteFormat::zeroPadded), " 9:05");
  EXPECT_EQ(clockText(9, 5, MinuteFormat::blankPadded), " 9: 5");
  EXPECT_EQ(clockText(0, 0, MinuteFormat::zeroPadded), " 0:00");
}

TEST(FirstTime, AdvanceCarriesIntoHourAndWrapsAtMidnight) {
  time1::Time time(13, 20);
  time.advance(1);
  EXPECT_EQ(time.clockText(), "13:21");

  time1::Time late(23, 59);
  late.advance(1);
  EXPECT_EQ(late.hour, 0);
  EXPECT_EQ(late.min, 0);
  EXPECT_EQ(late.clockText(), " 0:00");

  time1::Time long_way(10, 50);
  long_way.advance(135);  // 185 minutes past 10:00 -> 13:05
  EXPECT_EQ(long_way.clockText(), "13:05");
}

TEST(FirstTime, NegativeAdvanceIsNotNormalised) {
  time1::Time time(8, 10);
  time.advance(-20);
  EXPECT_EQ(time.hour, 8);
  EXPECT_EQ(time.min, -10);
}

TEST(FirstTime12, PrintsByItsDescriptionThroughABaseReference) {
  const time2::TimeList times{std::make_shared<time2::Time12>(1, 20, true),
                              std::make_shared<time2::Time12>(9, 5, false)};
  EXPECT_EQ(console::render(times[0]), " 1:20 PM");
  EXPECT_EQ(console::render(times), "[ 1:20 PM,  9:05 AM]");
  const std::shared_ptr<time3::Time> third = std::make_shared<time3::Time12>(13, 5);
  EXPECT_EQ(console::render(third), " 1: 5 PM");
}

TEST(ThirdTime, AdvanceAndBlankPaddedMinute) {
  time3::Time time(11, 45);
  time.advance(30);
  EXPECT_EQ(time.clockText(), "12:15");
  time.advance(-10);
  EXPECT_EQ(time.clockText(), "12: 5");
}

TEST(SecondTime12, TwentyFourHourConstructor) {
  struct Case {
    std::int64_t hour;
    std::int64_t held;
    bool pm;
  };
  for (const Case& c :
       {Case{0, 0, false}, Case{11, 11, false}, Case{12, 0, true}, Case{16, 4, true}, Case{23, 11, true}}) {
    time3::Time12 time(c.hour, 7);
    EXPECT_EQ(time.hour, c.held) << "from " << c.hour;
    EXPECT_EQ(time.pm, c.pm) << "from " << c.hour;
    EXPECT_EQ(time.min, 7);
  }
}

TEST(SecondTime12, AdvanceFlipsHalfOfTheDay) {
  time3::Time12 morning(11, 45);
  morning.advance(30);
  EXPECT_EQ(morning.hour, 0);
  EXPECT_EQ(morning.min, 15);
  EXPECT_TRUE(morning.pm);
  EXPECT_EQ(morning.description(), " 0:15 PM");

  time3::Time12 evening(23, 45);
  evening.advance(30);
  EXPECT_EQ(evening.hour, 0);
  EXPECT_FALSE(evening.pm);
  EXPECT_EQ(evening.description(), " 0:15 AM");

  time3::Time12 within(1, 10);
  within.advance(5);
  EXPECT_EQ(within.description(), " 1:15 AM");
}

TEST(SecondTime12, AdvanceIsChosenByTheDynamicClass) {
  std::shared_ptr<time3::Time> time = std::make_shared<time3::Time12>(11, 45);
  time->advance(30);
  EXPECT_EQ(time->hour, 0);
}

TEST(RequiredInitialiser, MakesAnObjectOfTheDynamicClass) {
  std::shared_ptr<time3::Time> plain = std::make_shared<time3::Time>(16, 30);
  std::shared_ptr<time3::Time> twelve = std::make_shared<time3::Time12>(16, 30);

  auto plain_copy = plain->dynamicType().make(16, 30);
  auto twelve_copy = twelve->dynamicType().make(16, 30);
  EXPECT_EQ(plain_copy->dynamicType(), time3::Time::self());
  EXPECT_EQ(dynamic_cast<time3::Time12*>(plain_copy.get()), nullptr);
  ASSERT_NE(dynamic_cast<time3::Time12*>(twelve_copy.get()), nullptr);
  EXPECT_EQ(twelve_copy->hour, 4);  // through Time12's own 24-hour initialiser
  EXPECT_NE(twelve_copy, twelve);
}

TEST(FirstTime12, DescriptionZeroPadsMinute) {
  EXPECT_EQ(time2::Time12(1, 20, true).description(), " 1:20 PM");
  EXPECT_EQ(time2::Time12(1, 5, false).description(), " 1:05 AM");
}

}  // namespace
}  // namespace q08
