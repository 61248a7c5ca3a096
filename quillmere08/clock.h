// Times of day as classes: three separate `Time` classes and two `Time12` subclasses, one set per group of
// driver sections (time1: section 1; time2: sections 2 and 3; time3: section 18). What they truly share,
// the clock text and the carry rule of advance, is written once here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "console/any.h"
#include "console/description.h"
#include "quillmere08/class_object.h"

namespace q08 {

// The printf format of the minute in a clock text: "%02d" (" 9:05") or "%2d" (" 9: 5").
enum class MinuteFormat { zeroPadded, blankPadded };

// "%2d:" hour, then the minute in the given format: 13, 20 -> "13:20"; 1, 5 -> " 1:05".
std::string clockText(std::int64_t hour, std::int64_t min, MinuteFormat format);

// Adds m minutes: below 60 the minute just becomes min + m (even if negative); otherwise the minute
// wraps and the carried hours wrap at 24. 23:59 + 1 -> 0:00. A sum past the integer limit stops the program.
void advanceClock(std::int64_t& hour, std::int64_t& min, std::int64_t m);

// The clock text followed by " PM" or " AM".
std::string twelveHourText(std::int64_t hour, std::int64_t min, bool pm, MinuteFormat format);

namespace time1 {

// The first Time: a plain time of day that can move forward.
class Time {
 public:
  Time(std::int64_t hour, std::int64_t min) : hour(hour), min(min) {}

  void advance(std::int64_t min) { advanceClock(hour, this->min, min); }
  std::string clockText() const { return q08::clockText(hour, min, MinuteFormat::zeroPadded); }

  std::int64_t hour;
  std::int64_t min;
};

}  // namespace time1

namespace time2 {

// The second Time: the base class of a hierarchy that is tested and downcast at run time, also out of values
// of any type (hence the common root of such classes).
class Time : public console::Object {
 public:
  Time(std::int64_t hour, std::int64_t min) : hour(hour), min(min) {}

  std::string clockText() const { return q08::clockText(hour, min, MinuteFormat::zeroPadded); }

  std::int64_t hour;
  std::int64_t min;
};

// The first Time12: holds a 12-hour clock value and prints itself (" 1:20 PM"), also through a reference
// to its base class.
class Time12 : public Time, public console::CustomStringConvertible {
 public:
  Time12(std::int64_t hour, std::int64_t min, bool pm) : Time(hour, min), pm(pm) {}

  std::string description() const override { return twelveHourText(hour, min, pm, MinuteFormat::zeroPadded); }

  bool pm;
};

// A list of times that may hold Time12 objects too.
using TimeList = std::vector<std::shared_ptr<Time>>;

// A trivial class; made and dropped without a trace.
class SOS {
 public:
  std::int64_t h = 0;
};

}  // namespace time2

namespace time3 {

// The third Time: its initialiser is required, so a caller that holds only an object's class can make
// another object of that class (dynamicType().make(hour, min)); advance is overridable.
class Time : public ClassRoot<Time> {
 public:
  struct Type : MetatypeOf<Time, ClassObject>, RequiredInitialiser<Time, std::int64_t, std::int64_t> {};

  // The required initialiser: stores both values as given, unchecked.
  Time(const Init& init, std::int64_t hour, std::int64_t min) : ClassRoot(init), hour(hour), min(min) {}

  virtual void advance(std::int64_t min) { advanceClock(hour, this->min, min); }
  std::string clockText() const { return q08::clockText(hour, min, MinuteFormat::blankPadded); }

  std::int64_t hour;
  std::int64_t min;
};

// The second Time12: built from a 24-hour hour, and keeps its hour within 0 to 11 when advanced.
class Time12 : public Time, public console::CustomStringConvertible {
 public:
  // The required initialiser, from a 24-hour hour: 0..11 -> same hour, AM; 12..23 -> hour - 12, PM.
  Time12(const Init& init, std::int64_t hour, std::int64_t min)
      : Time(init, hour < 12 ? hour : hour - 12, min), pm(hour > 11) {}

  // The Time rule, then each pass of the hour over 12 flips AM and PM.
  void advance(std::int64_t min) override;
  std::string description() const override {
    return twelveHourText(hour, min, pm, MinuteFormat::blankPadded);
  }

  bool pm;
};

}  // namespace time3

}  // namespace q08
