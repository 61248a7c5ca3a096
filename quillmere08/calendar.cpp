#include "quillmere08/calendar.h"

#include <iterator>
#include <string_view>

#include "console/checked_math.h"
#include "console/engine.h"
#include "console/format.h"
#include "console/program.h"

namespace q08 {

std::int64_t dayOfWeek(std::int64_t year, std::int64_t month, std::int64_t day) {
  constexpr std::string_view rule = "day of the week";
  std::int64_t y = year;
  std::int64_t m = month;
  if (m <= 2) {
    y = console::checked_subtract(y, 1, rule);
    m += 12;  // at most 14
  }
  // Only the sums and the product can leave 64 bits; the divisions by constants cannot.
  std::int64_t w = console::checked_add(y, y / 4, rule);
  w = console::checked_subtract(w, y / 100, rule);
  w = console::checked_add(w, y / 400, rule);
  w = console::checked_add(w, console::checked_add(console::checked_multiply(13, m, rule), 8, rule) / 5,
                           rule);
  return console::checked_add(w, day, rule) % 7;
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
