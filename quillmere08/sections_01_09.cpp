// Sections 1 to 9: stored and computed properties, run-time type tests and casts, class-level members,
// observers and failable initialisers.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "console/any.h"
#include "console/checked.h"
#include "console/print.h"
#include "console/type_name.h"
#include "quillmere08/calendar.h"
#include "quillmere08/cast.h"
#include "quillmere08/class_object.h"
#include "quillmere08/clock.h"
#include "quillmere08/name_plate.h"
#include "quillmere08/pairs.h"
#include "quillmere08/sections.h"

namespace q08 {

using console::print;

// A single Time, moved on by a minute.
void section1() {
  using q08::time1::Time;
  auto time = std::make_shared<Time>(13, 20);
  print(time->clockText());
  time->advance(1);
  print(time->clockText());
}

namespace {

const char* meridiem(const q08::time2::Time12& time) {
  return time.pm ? "PM" : "AM";
}

}  // namespace

// Run-time type tests and downcasts over a list of Time that also holds Time12 objects.
void section2() {
  using q08::is;
  using q08::time2::Time;
  using q08::time2::Time12;

  q08::time2::TimeList times;
  times.push_back(std::make_shared<Time>(13, 10));
  times.push_back(std::make_shared<Time12>(1, 20, true));
  times.push_back(std::make_shared<Time12>(1, 30, true));

  for (const auto& time : times) {
    if (is<Time12>(time)) {
      print(time);  // a Time12 prints by its own description, also as a Time
    } else {
      print(">", time->clockText());
    }
  }
  print(meridiem(*console::forced_cast<Time12>(times[1])));
  if (auto time12 = std::dynamic_pointer_cast<Time12>(times[2])) print(meridiem(*time12));
  if (auto time12 = std::dynamic_pointer_cast<Time12>(times[2])) print(meridiem(*time12));
  if (is<Time12>(times[2])) print("All Right");
  print("-----");

  // The same walk three times, each with another form of the test: a type test, a conditional downcast of
  // the shared pointer, and one of the plain pointer.
  for (const auto& time : times) {
    if (is<Time12>(time)) {
      print("Time12: ", time);
    } else {
      print("Time: ", time->clockText());
    }
  }
  print("-----");
  for (const auto& time : times) {
    if (auto time12 = std::dynamic_pointer_cast<Time12>(time)) {
      print("Time12: ", time12);
    } else {
      print("Time: ", time->clockText());
    }
  }
  print("-----");
  for (const auto& time : times) {
    if (const auto* time12 = dynamic_cast<const Time12*>(time.get())) {
      print("Time12: ", *time12);
    } else {
      print("Time: ", time->clockText());
    }
  }
  print("-----");
}

// Conversions between Time, Time12 and values of any type.
void section3() {
  using q08::time2::Time;
  using q08::time2::Time12;

  {
    auto afternoon = std::make_shared<Time12>(1, 20, true);
    auto evening = std::make_shared<Time>(18, 45);
  }
  print(console::type<q08::time2::TimeList>);

  std::shared_ptr<Time> time = std::make_shared<Time12>(4, 30, true);
  auto sos = std::make_shared<q08::time2::SOS>();
  print(console::forced_cast<Time12>(time));

  const std::vector<console::Any> things{std::make_shared<Time12>(1, 16, false), std::string("駅前"),
                                         std::int64_t{15532}};
  print(console::forced_cast<Time12>(things[0]));
}

// Class-level counters, one per pair, read when a description is made.
void section4() {
  {
    auto a = std::make_shared<q08::pair1::A>();
    print(a);
    auto b = std::make_shared<q08::pair1::B>();
    print(b);
  }
  auto a = std::make_shared<q08::pair2::A>();
  print(a);
  auto b = std::make_shared<q08::pair2::B>();
  print(b);
}

// Type-level functions called on the types: static members, then members of the class objects.
void section5() {
  q08::pair3::A::show();
  q08::pair3::B::show();
  q08::classObject<q08::pair4::A>().show();
  q08::classObject<q08::pair4::B>().show();
}

// An overridable class method called on each object's dynamic class.
void section6() {
  std::shared_ptr<q08::pair5::A> first = q08::make<q08::pair5::A>();
  std::shared_ptr<q08::pair5::A> second = q08::make<q08::pair5::B>();
  first->dynamicType().show();
  first.reset();
  second->dynamicType().show();
}

// A property observer keeps the weekday in step with the day.
void section7() {
  auto date = std::make_shared<q08::CalendarDate>(2010, 7, 30);
  print(date);
  date->setDay(date->day() + 1);
  print(date);
}
namespace {

// Prints the plates that were made; a failed initialiser left an empty element.
template <class Plate>
void printPlates(const std::vector<std::shared_ptr<Plate>>& plates) {
  for (const auto& plate : plates) {
    if (plate) print(plate);
  }
}

}  // namespace

// Failable initialisers that decide before the object exists.
void section8() {
  using namespace q08::plates1;
  const std::vector<std::shared_ptr<NamePlate>> plates{
      NamePlate::make("za 恵", "主演"), SpeakerNamePlate::make(""), SpeakerNamePlate::make("vu zo"),
      GuestNamePlate::make("プロデューサー")};
  printPlates(plates);
}

// Failable initialisers that drop the object their chain had begun.
void section9() {
  using namespace q08::plates2;
  const std::vector<std::shared_ptr<NamePlate>> plates{
      NamePlate::make("za 恵", "主演"), SpeakerNamePlate::make(""), SpeakerNamePlate::make("vu zo"),
      GuestNamePlate::make("プロデューサー")};
  printPlates(plates);
}

}  // namespace q08
