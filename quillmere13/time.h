// Time and Time2: a time of day that compares chronologically and prints as a clock reading.
//
// Both hold an hour and a minute exactly as given (no range check, no carrying of minutes into hours).
// They are two distinct types made from one definition: a Time never compares with a Time2.
//
//   console::print(q13::Time(9, 5));  // " 9:05"
#pragma once

#include <cstdint>
#include <string>

#include "quillmere13/ordering.h"

namespace q13 {

// The clock text of an hour and a minute: "%2d:%02d", so 9:05 is " 9:05" and 123:7 is "123:07".
std::string clock_text(std::int64_t hour, std::int64_t min);

// The shared definition; Self is the concrete type, so each concrete type compares only with itself.
template <class Self>
class ClockTime : public OrderingDefaults<Self> {
 public:
  ClockTime(std::int64_t hour, std::int64_t min) : hour_(hour), min_(min) {}

  std::int64_t hour() const { return hour_; }
  std::int64_t min() const { return min_; }

  std::string description() const { return clock_text(hour_, min_); }

  friend bool operator==(const Self& a, const Self& b) { return a.hour() == b.hour() && a.min() == b.min(); }
  // Hour first, then minute; the minute is never carried, so 10:00 is later than 9:75.
  friend bool operator<(const Self& a, const Self& b) {
    if (a.hour() == b.hour()) return a.min() < b.min();
    return a.hour() < b.hour();
  }

 private:
  // Fixed at construction; private with readers so that the value can still be reassigned as a whole.
  std::int64_t hour_;
  std::int64_t min_;
};

struct Time : ClockTime<Time> {
  using ClockTime::ClockTime;
};

struct Time2 : ClockTime<Time2> {
  using ClockTime::ClockTime;
};

}  // namespace q13
