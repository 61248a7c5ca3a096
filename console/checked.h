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
//   console::forced_cast<std::string>(thing);           // the text inside a console::Any; stops otherwise
//   console::forced_cast<Time12>(thing);                // the object a console::Any holds, as a Time12
#pragma once

#include <concepts>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "console/any.h"
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

// A weak reference read as an optional, the unchecked counterpart: the object, pinned while the result
// lives, or empty once the object was destroyed.
template <class T>
std::optional<std::shared_ptr<T>> optional_of(const std::weak_ptr<T>& reference) {
  if (auto object = reference.lock()) return object;
  return std::nullopt;
}

// Forced downcast of an object: a run-time class test (the class or any subclass of it), then the object
// as that class; a stop when the object is of another class or there is none.
template <class To, class From>
std::shared_ptr<To> forced_cast(const std::shared_ptr<From>& object) {
  auto converted = std::dynamic_pointer_cast<To>(object);
  if (!converted) fail("could not cast value of type " + type_name<From>() + " to " + type_name<To>());
  return converted;
}

// Forced downcast of a value of any type (any.h), naming only the type wanted:
//   console::forced_cast<Time12>(thing)      // std::shared_ptr<Time12>: the object's class is Time12 or a
//                                            // subclass of it, whatever reference it was boxed through
//   console::forced_cast<std::string>(thing) // const std::string&: the value inside is exactly a text
// Anything else stops the program. Only an Any itself is cast, never one made on the spot from another
// argument, and a value is never cast out of a temporary Any: its result would refer into the temporary.
template <class T>
decltype(auto) forced_cast(const std::same_as<Any> auto& thing) {
  const Any& value = thing;
  if constexpr (ObjectCastTarget<T>) {
    auto object = value.cast<T>();
    if (!object) fail("could not cast " + value.what_is_held() + " to " + type_name<T>());
    return object;
  } else {
    const T* held = value.cast<T>();
    if (held == nullptr) fail("could not cast " + value.what_is_held() + " to " + type_name<T>());
    return static_cast<const T&>(*held);
  }
}
template <class T>
requires(!ObjectCastTarget<T>) void forced_cast(const Any&& value) = delete;

}  // namespace console
