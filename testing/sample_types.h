// Types of the tests' own that the console tests print and name, declared once for all of them: a record
// template that names itself, a class printable only through a reference and its metatype, a value with a
// description, and a record in a nested namespace (its name prints bare).
//
//   console::render(test_types::Clock{9, 5});                  // " 9:05"
//   console::type_name<test_types::Vector<std::int64_t>>();    // "Vector<Int>"
#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "console/format.h"
#include "console/record.h"
#include "console/type_name.h"

namespace test_types {

template <class T>
struct Vector {
  T x, y;
  static constexpr auto fields() {
    return std::tuple{console::var("x", &Vector::x), console::var("y", &Vector::y)};
  }
  static std::string type_name() { return "Vector<" + console::type_name<T>() + ">"; }
};

class Plain {};
struct PlainMetatype {
  using instance_type = Plain;
};

struct Clock {
  std::int64_t hour, minute;
  std::string description() const { return console::format("%2d:%02d", hour, minute); }
};

namespace inner {
struct Student {
  std::int64_t id;
  static constexpr auto fields() { return std::tuple{console::let("id", &Student::id)}; }
};
}  // namespace inner

}  // namespace test_types
