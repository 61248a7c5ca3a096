#include "quillmere08/clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "console/checked.h"
#include "console/engine.h"
#include "quillmere08/cast.h"

namespace q08 {
namespace {

TEST(ClockTextTest, PadsHourWithBlankAndMinuteByFormat) {
  EXPECT_EQ(clockText(13, 20, MinuteFormat::zeroPadded), "13:20");
  EXPECT_EQ(clockText(9, 5, MinuteFormat::zeroPadded), " 9:05");
  EXPECT_EQ(clockText(9, 5, MinuteFormat::blankPadded), " 9: 5");
  EXPECT_EQ(clockText(0, 0, MinuteFormat::zeroPadded), " 0:00");
}

TEST(FirstTimeTest, AdvanceCarriesIntoHourAndWrapsAtMidnight) {
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

TEST(FirstTimeTest, NegativeAdvanceIsNotNormalised) {
  time1::Time time(8, 10);
  time.advance(-20);
  EXPECT_EQ(time.hour, 8);
  EXPECT_EQ(time.min, -10);
}

TEST(SecondTime12Test, AnAdvanceWithoutCarryStillBringsTheHourBelowTwelve) {
  const auto time = make<time3::Time12>(13, 0);
  time->hour = 29;  // PM; the rule subtracts 12 twice, flipping to AM and back
  time->advance(1);
  EXPECT_EQ(time->description(), " 5: 1 PM");
  time->hour = std::numeric_limits<std::int64_t>::max() - 12;  // 12 * k + 7 with k odd: PM to AM
  time->advance(0);
  EXPECT_EQ(time->description(), " 7: 1 AM");
}

TEST(ClockDeathTest, AnAdvancePastTheIntegerLimitStops) {
  console::start_program("Quillmere08");
  constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
  time1::Time time(13, 20);
  EXPECT_DEATH(time.advance(max),
               "^Quillmere08: advance: the minutes: 20 \\+ 9223372036854775807 overflows\n");
  time1::Time late(max, 0);
  EXPECT_DEATH(late.advance(60),
               "^Quillmere08: advance: the hours carried: 9223372036854775807 \\+ 1 overflows\n");
  time1::Time early(0, std::numeric_limits<std::int64_t>::min());
  EXPECT_DEATH(early.advance(-1), "the minutes: -9223372036854775808 \\+ -1 overflows");
  const std::shared_ptr<time3::Time> twelve = make<time3::Time12>(0, 30);
  EXPECT_DEATH(twelve->advance(max - 10), "the minutes: 30 \\+ 9223372036854775797 overflows");
  // The largest advance that fits is taken exactly: 30 + (2^63 - 31) minutes.
  twelve->advance(max - 30);
  EXPECT_EQ(twelve->min, max % 60);
}

TEST(FirstTime12Test, PrintsByItsDescriptionThroughABaseReference) {
  const time2::TimeList times{std::make_shared<time2::Time12>(1, 20, true),
                              std::make_shared<time2::Time12>(9, 5, false)};
  EXPECT_EQ(console::render(times[0]), " 1:20 PM");
  EXPECT_EQ(console::render(times), "[ 1:20 PM,  9:05 AM]");
  const std::shared_ptr<time3::Time> third = make<time3::Time12>(13, 5);
  EXPECT_EQ(console::render(third), " 1: 5 PM");
}

TEST(ThirdTimeTest, AdvanceAndBlankPaddedMinute) {
  const auto time = make<time3::Time>(11, 45);
  time->advance(30);
  EXPECT_EQ(time->clockText(), "12:15");
  time->advance(-10);
  EXPECT_EQ(time->clockText(), "12: 5");
}

TEST(SecondTime12Test, TwentyFourHourConstructor) {
  struct Case {
    std::int64_t hour;
    std::int64_t held;
    bool pm;
  };
  for (const Case& c :
       {Case{0, 0, false}, Case{11, 11, false}, Case{12, 0, true}, Case{16, 4, true}, Case{23, 11, true}}) {
    const auto time = make<time3::Time12>(c.hour, 7);
    EXPECT_EQ(time->hour, c.held) << "from " << c.hour;
    EXPECT_EQ(time->pm, c.pm) << "from " << c.hour;
    EXPECT_EQ(time->min, 7);
  }
}

TEST(SecondTime12Test, AdvanceFlipsHalfOfTheDay) {
  const auto morning = make<time3::Time12>(11, 45);
  morning->advance(30);
  EXPECT_EQ(morning->hour, 0);
  EXPECT_EQ(morning->min, 15);
  EXPECT_TRUE(morning->pm);
  EXPECT_EQ(morning->description(), " 0:15 PM");

  const auto evening = make<time3::Time12>(23, 45);
  evening->advance(30);
  EXPECT_EQ(evening->hour, 0);
  EXPECT_FALSE(evening->pm);
  EXPECT_EQ(evening->description(), " 0:15 AM");

  const auto within = make<time3::Time12>(1, 10);
  within->advance(5);
  EXPECT_EQ(within->description(), " 1:15 AM");
}

TEST(SecondTime12Test, AdvanceIsChosenByTheDynamicClass) {
  std::shared_ptr<time3::Time> time = make<time3::Time12>(11, 45);
  time->advance(30);
  EXPECT_EQ(time->hour, 0);
}

TEST(RequiredInitialiserTest, MakesAnObjectOfTheDynamicClass) {
  std::shared_ptr<time3::Time> plain = make<time3::Time>(16, 30);
  std::shared_ptr<time3::Time> twelve = make<time3::Time12>(16, 30);

  auto plain_copy = plain->dynamicType().make(16, 30);
  auto twelve_copy = twelve->dynamicType().make(16, 30);
  EXPECT_EQ(plain_copy->dynamicType(), classObject<time3::Time>());
  EXPECT_EQ(dynamic_cast<time3::Time12*>(plain_copy.get()), nullptr);
  ASSERT_NE(dynamic_cast<time3::Time12*>(twelve_copy.get()), nullptr);
  EXPECT_EQ(twelve_copy->hour, 4);  // through Time12's own 24-hour initialiser
  EXPECT_NE(twelve_copy, twelve);
}

// A subclass that declares nothing: made again from its dynamic class, it is still itself.
class LateTime12 : public time3::Time12 {
 public:
  using Time12::Time12;
};

TEST(RequiredInitialiserTest, ASubclassThatDeclaresNothingIsMadeAsItself) {
  const std::shared_ptr<time3::Time> late = make<LateTime12>(11, 45);
  const auto again = late->dynamicType().make(late->hour, late->min);
  EXPECT_EQ(again->dynamicType(), classObject<LateTime12>());
  EXPECT_EQ(console::render(again->dynamicType()), "LateTime12");
  again->advance(30);  // Time12's override, inherited
  EXPECT_EQ(console::render(again), " 0:15 PM");
}

TEST(FirstTime12Test, AValueOfAnyTypeDowncastsByTheObjectsClass) {
  const std::vector<console::Any> things{
      std::shared_ptr<time2::Time>(std::make_shared<time2::Time12>(1, 16, false)),
      std::make_shared<time2::Time12>(4, 30, true), std::string("駅前")};
  EXPECT_EQ(console::render(console::forced_cast<time2::Time12>(things[0])), " 1:16 AM");
  EXPECT_EQ(console::render(console::forced_cast<time2::Time12>(things[1])), " 4:30 PM");
}

TEST(FirstTime12DeathTest, APlainTimeOfAnyTypeIsNoTime12) {
  const console::Any plain = std::make_shared<time2::Time>(18, 45);
  EXPECT_DEATH(console::forced_cast<time2::Time12>(plain), "could not cast value of type Time to Time12");
}

TEST(FirstTime12Test, DescriptionZeroPadsMinute) {
  EXPECT_EQ(time2::Time12(1, 20, true).description(), " 1:20 PM");
  EXPECT_EQ(time2::Time12(1, 5, false).description(), " 1:05 AM");
}

}  // namespace
}  // namespace q08
