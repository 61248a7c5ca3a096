// The description protocol: a type that says how it prints.
//
// A type with a member `std::string description() const` prints as that text, in the plain and in the debug
// form alike. That is all a value type needs. A class whose objects are printed through a reference to a
// base class adopts the protocol by deriving from CustomStringConvertible, so that the renderer finds the
// most derived description from the object's dynamic class even where the base class declares none:
//
//   class Time { public: virtual ~Time() = default; ... };            // no description of its own
//   class Time12 : public Time, public console::CustomStringConvertible {
//    public:
//     std::string description() const override { return " 1:20 PM"; }
//   };
//   std::shared_ptr<Time> time = std::make_shared<Time12>(...);
//   console::print(time);                                             // " 1:20 PM"
#pragma once

#include <concepts>
#include <string>

namespace console {

// A type with a description of its own.
template <class T>
concept Described = requires(const T& v) {
  { v.description() } -> std::convertible_to<std::string>;
};

// The protocol as a run-time interface, for classes printed through references to their base classes.
class CustomStringConvertible {
 public:
  virtual ~CustomStringConvertible() = default;
  virtual std::string description() const = 0;

 protected:
  CustomStringConvertible() = default;
  CustomStringConvertible(const CustomStringConvertible&) = default;
  CustomStringConvertible& operator=(const CustomStringConvertible&) = default;
};

}  // namespace console
