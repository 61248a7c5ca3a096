// Run-time type tests and downcasts on shared objects and on values of any type.
//
//   is<Time12>(time)                     // type test: the dynamic class is Time12 or derives from it
//   std::dynamic_pointer_cast<Time12>    // conditional downcast: null when the type test fails
//   console::forced_cast<Time12>(time)   // forced downcast: must succeed; a failure stops the program
//   console::forced_cast<Time12>(value)  // the same for a value of any type (console::Any) holding a
//                                        // Time12, whatever reference type it was stored through
//   conforms<P>(object)                  // type test for an interface P (an abstract base class), on the
//                                        // dynamic class
#pragma once

#include <memory>

namespace q08 {

template <class T, class U>
bool is(const std::shared_ptr<U>& object) {
  return dynamic_cast<const T*>(object.get()) != nullptr;
}

template <class Protocol, class U>
bool conforms(const U& object) {
  return dynamic_cast<const Protocol*>(&object) != nullptr;
}

}  // namespace q08
