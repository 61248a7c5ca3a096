#include "quillmere08/clock.h"

#include "console/checked_math.h"
#include "console/engine.h"
#include "console/format.h"

namespace q08 {

std::string clockText(std::int64_t hour, std::int64_t min, MinuteFormat format) {
  return console::format(format == MinuteFormat::zeroPadded ? "%2d:%02d" : "%2d:%2d", hour, min);
}

void advanceClock(std::int64_t& hour, std::int64_t& min, std::int64_t m) {
  const std::int64_t s = console::checked_add(min, m, "advance: the minutes");
  if (s < 60) {
    min = s;
    return;
  }
  min = s % 60;
  hour = console::checked_add(hour, s / 60, "advance: the hours carried") % 24;
}

std::string twelveHourText(std::int64_t hour, std::int64_t min, bool pm, MinuteFormat format) {
  return console::cat(clockText(hour, min, format), pm ? " PM" : " AM");
}

namespace time3 {

void Time12::advance(std::int64_t min) {
  Time::advance(min);
  // Subtracting 12 until the hour is below 12, one flip of pm each time, in one step: without a carry the
  // hour is still the one the object was given, which may be any size.
  if (hour >= 12) {
    if (hour / 12 % 2 != 0) pm = !pm;
    hour %= 12;
  }
}

}  // namespace time3

}  // namespace q08
