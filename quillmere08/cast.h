// Run-time type tests and downcasts on shared objects and on values of any type.
//
//   is<Time12>(time)                     // `time is Time12`: the dynamic class is Time12 or a subclass
//   std::dynamic_pointer_cast<Time12>    // `time as? Time12`: null when the test fails
//   console::forced_cast<Time12>(time)   // `time as! Time12`: must succeed; a failure stops the program
//   console::forced_cast<Time12>(value)  // the same for a value of any type (console::Any) holding a
//                                        // Time12, whatever reference type it was stored through
//   conforms<P>(object)                  // `object is P` for a protocol P, tested on the dynamic class
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
