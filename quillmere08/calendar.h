// A calendar date in three layers: DayOfMonth (month and day), DateInfo (adds the year and the day of the
// week), CalendarDate (adds the weekday's short name, kept in step by an observer on `day`).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace q08 {

// Day of the week, 0 = Sunday .. 6 = Saturday, by Zeller's congruence (January and February count as
// months 13 and 14 of the previous year). 2010-07-30 -> 5. Days past the month's end simply count on; a step
// of the rule past the integer limit stops the program.
std::int64_t dayOfWeek(std::int64_t year, std::int64_t month, std::int64_t day);

class DayOfMonth {
 public:
  DayOfMonth(std::int64_t month, std::int64_t day) : month(month), day_(day) {}
  virtual ~DayOfMonth() = default;

  // `day` is an overridable property: a subclass may observe every assignment.
  virtual std::int64_t day() const { return day_; }
  virtual void setDay(std::int64_t value) { day_ = value; }

  // "07/30", the day read through its accessor.
  virtual std::string description() const;

  std::int64_t month;

 private:
  std::int64_t day_;
};

class DateInfo : public DayOfMonth {
 public:
  DateInfo(std::int64_t year, std::int64_t month, std::int64_t day)
      : DayOfMonth(month, day), year(year), dow(dayOfWeek(year, month, day)) {}

  std::int64_t year;
  std::int64_t dow;
};

class CalendarDate : public DateInfo {
 public:
  CalendarDate(std::int64_t year, std::int64_t month, std::int64_t day)
      : DateInfo(year, month, day), dweek(nameOfDay(dow)) {}

  // "Sun" .. "Sat", indexed by dow; made on first use and kept for the run.
  static const std::vector<std::string>& namesOfDays();
  // namesOfDays()[dow]. A dow outside 0 to 6 (from a year, month or day outside the rule's range) is a
  // logic error that stops the program.
  static const std::string& nameOfDay(std::int64_t dow);

  // Stores the day, then recomputes dow and dweek (the observer runs on every assignment).
  void setDay(std::int64_t value) override;

  // "2010/07/30 (Fri)".
  std::string description() const override;

  std::string dweek;
};

}  // namespace q08
