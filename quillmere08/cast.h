// Run-time type tests and downcasts on shared objects and on values of any type.
//
//   is<Time12>(time)          // `time is Time12`: the dynamic class is Time12 or a subclass of it
//   std::dynamic_pointer_cast // `time as? Time12`: null when the test fails
//   forcedCast<Time12>(time)  // `time as! Time12`: must succeed; a failure stops the program
//   conforms<P>(object)       // `object is P` for a protocol P, tested on the dynamic class
#pragma once

#include <any>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "console/type_name.h"

namespace q08 {

template <class T, class U>
bool is(const std::shared_ptr<U>& object) {
  return dynamic_cast<const T*>(object.get()) != nullptr;
}

template <class Protocol, class U>
bool conforms(const U& object) {
  return dynamic_cast<const Protocol*>(&object) != nullptr;
}

// A failed forced downcast is a logic error of the program, like an index out of range.
[[noreturn]] inline void failedCast(const std::string& target) {
  std::fprintf(stderr, "Could not cast value to %s\n", target.c_str());
  std::abort();
}

template <class T, class U>
std::shared_ptr<T> forcedCast(const std::shared_ptr<U>& object) {
  auto result = std::dynamic_pointer_cast<T>(object);
  if (!result) failedCast(console::type_name<T>());
  return result;
}

// `value as! T` for a value of any type: T must be exactly the type stored.
template <class T>
const T& forcedCast(const std::any& value) {
  const T* result = std::any_cast<T>(&value);
  if (result == nullptr) failedCast(console::type_name<T>());
  return *result;
}

}  // namespace q08
