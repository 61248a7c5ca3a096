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
#pragma once

#include <any>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "console/program.h"
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

// A weak reference read as an optional: the object, pinned while the result lives, or empty once the
// object was destroyed.
template <class T>
std::optional<std::shared_ptr<T>> optional_of(const std::weak_ptr<T>& reference) {
  if (auto object = reference.lock()) return object;
  return std::nullopt;
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

// Forced downcast of a value of any type: the value of type T it holds, or a stop.
template <class T>
const T& forced_cast(const std::any& value) {
  const T* held = std::any_cast<T>(&value);
  if (held == nullptr) fail("could not cast value of any type to " + type_name<T>());
  return *held;
}

}  // namespace console
