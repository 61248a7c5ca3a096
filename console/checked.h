// Checked access: the operations whose failure is a logic error that stops the program.
//
// Forced unwrapping of an optional or of a weak reference, and forced downcasts, must succeed; when they do
// not, the program stops through console::fail (keeping what it printed) instead of reading through nothing.
// Reading a weak reference as an optional is the unchecked counterpart.
//
//   std::optional<int> n = 3;
//   console::force(n);                                  // 3
//   console::force(weak_club)->name;                    // the club, pinned for the expression; stops if gone
//   console::forced_cast<Time12>(time);                 // shared_ptr<Time12>; stops unless time is one
//   console::forced_cast<std::string>(any_value);       // the text inside a std::any; stops otherwise
//   console::forced_cast<Time12, Time>(any_value);      // the Time12 an any holds, also as a Time
#pragma once

#include <any>
#include <concepts>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "console/program.h"
#include "console/traits.h"
#include "console/type_name.h"

namespace console {

// Forced unwrapping of an optional: its value, or a stop when it is empty.
template <class T>
T& force(std::optional<T>& value) {
  if (!value) fail("unexpectedly found nil while unwrapping an Optional value");
  return *value;
}
template <class T>
const T& force(const std::optional<T>& value) {
  if (!value) fail("unexpectedly found nil while unwrapping an Optional value");
  return *value;
}
template <class T>
T force(std::optional<T>&& value) {
  if (!value) fail("unexpectedly found nil while unwrapping an Optional value");
  return std::move(*value);
}

// Forced unwrapping of a weak reference: the object, pinned for as long as the returned strong reference
// lives, or a stop when it was destroyed.
template <class T>
std::shared_ptr<T> force(const std::weak_ptr<T>& reference) {
  auto object = reference.lock();
  if (!object) fail("unexpectedly found nil while unwrapping a weak reference");
  return object;
}

// Forced downcast of an object: a run-time class test (the class or any subclass of it), then the object
// as that class; a stop when the object is of another class or there is none.
template <class To, class From>
std::shared_ptr<To> forced_cast(const std::shared_ptr<From>& object) {
  auto converted = std::dynamic_pointer_cast<To>(object);
  if (!converted) fail("could not cast value of type " + type_name<From>() + " to " + type_name<To>());
  return converted;
}

namespace detail {

// The object a value of any type refers to, as a T: the value holds a std::shared_ptr to T or to one of
// StoredAs, and the object passes the run-time class test for T. A stop otherwise.
template <class T, class... StoredAs>
std::shared_ptr<T> forced_object_cast(const std::any& value) {
  std::shared_ptr<T> object;
  std::string held;  // the class of the reference found, when its object failed the test
  const auto held_as = [&]<class S>(std::type_identity<S>) {
    const auto* reference = std::any_cast<std::shared_ptr<S>>(&value);
    if (reference == nullptr) return false;
    object = std::dynamic_pointer_cast<T>(*reference);
    if (!object) held = type_name<S>();
    return true;
  };
  const bool found = (held_as(std::type_identity<T>{}) || ... || held_as(std::type_identity<StoredAs>{}));
  if (!found) fail("could not cast value of any type to " + type_name<T>());
  if (!object) fail("could not cast value of type " + held + " to " + type_name<T>());
  return object;
}

// Only objects are found through the other classes they may be stored as.
template <class T, class... StoredAs>
concept AnyCastTarget = std::is_polymorphic_v<T> || sizeof...(StoredAs) == 0;

}  // namespace detail

// Forced downcast of a value of any type.
//
// A value (any T but a polymorphic class) must be held exactly, and the result is the value inside:
//   console::forced_cast<std::string>(any_value)       // const std::string&
//
// An object of a polymorphic class T is reached through the reference the value holds, and the downcast is
// a run-time class test: the object's class is T or a subclass of it. A std::any remembers only the static
// type it was given, so the cast names every other class a reference may have been stored as (a base of T,
// usually); the result is the object as a T:
//   std::any any_value = std::shared_ptr<Time>(std::make_shared<Time12>(...));
//   console::forced_cast<Time12, Time>(any_value)      // std::shared_ptr<Time12>
//   console::forced_cast<Time12>(any_value)            // stops: held as a Time, and Time was not named
//
// The value must be a std::any itself, never a temporary one made from the argument, so that a value's
// result cannot refer into a copy that is gone.
template <class T, class... StoredAs>
requires detail::AnyCastTarget<T, StoredAs...>
decltype(auto) forced_cast(const std::same_as<std::any> auto& value) {
  if constexpr (std::is_polymorphic_v<T>) {
    return detail::forced_object_cast<T, StoredAs...>(value);
  } else {
    const T* held = std::any_cast<T>(&value);
    if (held == nullptr) fail("could not cast value of any type to " + type_name<T>());
    return *held;
  }
}

}  // namespace console
