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
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

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

// The payload of an enumeration whose cases differ in having one: payload() returns it, empty for a case
// without a payload. Any other type payload() returns is the payload itself, an optional included, so that a
// case holding an empty optional prints "count(nil)":
//
//   console::CasePayload<std::string> payload() const {
//     if (companion) return *companion;                  // attendWith("伊月")
//     return {};                                         // attend
//   }
template <class T>
struct CasePayload {
  using value_type = T;
  std::optional<T> value;

  CasePayload() = default;
  CasePayload(T payload) : value(std::move(payload)) {}  // NOLINT: implicit, a case returns its payload
};

template <class T>
struct is_case_payload : std::false_type {};
template <class T>
struct is_case_payload<CasePayload<T>> : std::true_type {};

}  // namespace console
