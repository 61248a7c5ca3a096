#include "quillmere08/calendar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "console/engine.h"
#include "console/program.h"

namespace q08 {
namespace {

TEST(DayOfWeekTest, KnownDates) {
  EXPECT_EQ(dayOfWeek(2010, 7, 30), 5);
  EXPECT_EQ(dayOfWeek(2010, 7, 31), 6);
  EXPECT_EQ(dayOfWeek(2000, 1, 1), 6);   // January counts in the previous year
  EXPECT_EQ(dayOfWeek(2024, 2, 29), 4);  // leap day
  EXPECT_EQ(dayOfWeek(2010, 7, 32), 0);  // past the month's end the count runs on
  EXPECT_EQ(dayOfWeek(1900, 3, 1), 4);   // 1900 is not a leap year
}

TEST(DayOfWeekTest, AHugeDayContinuesTheCount) {
  EXPECT_EQ(dayOfWeek(2010, 7, 30 + 7 * 1'000'000'000'000'000), 5);
  EXPECT_EQ(dayOfWeek(2010, 7, 31 + 7 * 1'000'000'000'000'000), 6);
}

TEST(DayOfWeekDeathTest, AnOverflowStopsInsteadOfGivingAWrongDay) {
  console::start_program("Quillmere08");
  constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
  EXPECT_DEATH(dayOfWeek(2010, 7, max),
               "^Quillmere08: day of the week: [0-9]+ \\+ 9223372036854775807 overflows\n");
  EXPECT_DEATH(dayOfWeek(min, 1, 1), "^Quillmere08: day of the week: -9223372036854775808 - 1 overflows\n");
  EXPECT_DEATH(dayOfWeek(max, 7, 1),
               "day of the week: 9223372036854775807 \\+ 2305843009213693951 overflows");
  EXPECT_DEATH(dayOfWeek(2010, max, 1), "day of the week: 13 \\* 9223372036854775807 overflows");
  CalendarDate date(2010, 7, 30);
  EXPECT_DEATH(date.setDay(max), "day of the week");
}

TEST(DayOfWeekTest, StaysWithinTheWeekFromYearOne) {
  for (std::int64_t year : {1, 2, 99, 100, 400, 1999, 2400}) {
    for (std::int64_t month = 1; month <= 12; ++month) {
      for (std::int64_t day = 1; day <= 31; ++day) {
        const auto w = dayOfWeek(year, month, day);
        ASSERT_GE(w, 0);
        ASSERT_LE(w, 6);
      }
    }
  }
}

TEST(CalendarDateTest, ConstructionAndObserverKeepWeekdayInStep) {
  CalendarDate date(2010, 7, 30);
  EXPECT_EQ(date.dow, 5);
  EXPECT_EQ(date.dweek, "Fri");
  EXPECT_EQ(console::render(date), "2010/07/30 (Fri)");
  date.setDay(date.day() + 1);
  EXPECT_EQ(date.dow, 6);
  EXPECT_EQ(console::render(date), "2010/07/31 (Sat)");
}

TEST(CalendarDateTest, ObserverRunsThroughTheBaseClassAccessor) {
  CalendarDate date(2010, 7, 30);
  DayOfMonth& base = date;
  base.setDay(1);
  EXPECT_EQ(date.dweek, "Thu");
  EXPECT_EQ(console::render(base), "2010/07/01 (Thu)");
}

TEST(CalendarDateTest, ChangingMonthOrYearRunsNoObserver) {
  CalendarDate date(2010, 7, 30);
  date.month = 8;
  date.year = 2011;
  EXPECT_EQ(date.dweek, "Fri");
  EXPECT_EQ(console::render(date), "2011/08/30 (Fri)");
}

TEST(CalendarDateTest, NamesEveryDayOfTheWeek) {
  EXPECT_EQ(CalendarDate::nameOfDay(0), "Sun");
  EXPECT_EQ(CalendarDate::nameOfDay(6), "Sat");
}

// Outside the years, months and days the rule is made for, the count can fall below zero: the program stops
// there instead of reading outside the names.
TEST(CalendarDateDeathTest, ADayOfTheWeekOutsideTheWeekStops) {
  console::start_program("Quillmere08");
  ASSERT_LT(dayOfWeek(1, 1, -400), 0);
  EXPECT_DEATH(CalendarDate(1, 1, -400), "^Quillmere08: no day of the week numbered -1\n");
  CalendarDate date(2010, 7, 30);
  EXPECT_DEATH(date.setDay(-3000), "no day of the week numbered -");
  EXPECT_DEATH(CalendarDate::nameOfDay(7), "numbered 7");
}

TEST(DateInfoTest, SettingDayWithoutObserverLeavesDow) {
  DateInfo info(2010, 7, 30);
  info.setDay(31);
  EXPECT_EQ(info.dow, 5);
  EXPECT_EQ(console::render(info), "07/31");
}

}  // namespace
}  // namespace q08
