#include "quillmere08/calendar.h"

#include <iterator>

#include "console/engine.h"
#include "console/format.h"
#include "console/program.h"

namespace q08 {

std::int64_t dayOfWeek(std::int64_t year, std::int64_t month, std::int64_t day) {
  std::int64_t y = year;
  std::int64_t m = month;
  if (m <= 2) {
    y -= 1;
    m += 12;
  }
  return (y + y / 4 - y / 100 + y / 400 + (13 * m + 8) / 5 + day) % 7;
}

std::string DayOfMonth::description() const {
  return console::format("%02d/%02d", month, day());
}

const std::vector<std::string>& CalendarDate::namesOfDays() {
  static const std::vector<std::string> names{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  return names;
}

const std::string& CalendarDate::nameOfDay(std::int64_t dow) {
  const auto& names = namesOfDays();
  if (dow < 0 || dow >= std::ssize(names)) console::fail(console::cat("no day of the week numbered ", dow));
  return names[static_cast<std::size_t>(dow)];
}

void CalendarDate::setDay(std::int64_t value) {
  DateInfo::setDay(value);
  dow = dayOfWeek(year, month, day());
  dweek = nameOfDay(dow);
}

std::string CalendarDate::description() const {
  return console::cat(year, "/", DayOfMonth::description(), " (", dweek, ")");
}

}  // namespace q08
