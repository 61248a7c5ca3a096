#include "quillmere08/clock.h"

#include "console/engine.h"
#include "console/format.h"

namespace q08 {

std::string clockText(std::int64_t hour, std::int64_t min, MinuteFormat format) {
  return console::format(format == MinuteFormat::zeroPadded ? "%2d:%02d" : "%2d:%2d", hour, min);
}

void advanceClock(std::int64_t& hour, std::int64_t& min, std::int64_t m) {
  const std::int64_t s = min + m;
  if (s < 60) {
    min = s;
    return;
  }
  min = s % 60;
  hour = (hour + s / 60) % 24;
}

std::string twelveHourText(std::int64_t hour, std::int64_t min, bool pm, MinuteFormat format) {
  return console::cat(clockText(hour, min, format), pm ? " PM" : " AM");
}

namespace time3 {

void Time12::advance(std::int64_t min) {
  Time::advance(min);
  while (hour >= 12) {
    hour -= 12;
    pm = !pm;
  }
}

}  // namespace time3

}  // namespace q08
