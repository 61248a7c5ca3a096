// Small helpers that make the moments of an object's life explicit.
//
// The classes of this program hold each other through std::shared_ptr (strong),
// std::weak_ptr (weak) and q09::Unowned (unowned, see unowned.h). These helpers
// cover what the standard leaves open or silent:
//   - release_in_order: a list drops its elements front to back (std::vector's
//     own destruction order is unspecified);
//   - force: forced unwrapping of a weak reference or an optional, which stops
//     the program with a message instead of dereferencing nothing;
//   - stop: the one way this program ends on a logic error.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace q09 {

// Writes "<program>: fatal error: <message>" to stderr and aborts.
[[noreturn]] void stop(std::string_view message);

// Releases the list's references one by one, first element first, then
// leaves the list empty. An element whose last strong reference this was is
// destroyed (and prints its deinit line) before the next one is touched.
template <class T>
void release_in_order(std::vector<std::shared_ptr<T>>& list) {
  for (auto& element : list) {
    element.reset();
  }
  list.clear();
}

// Forced unwrapping of a weak reference: the object, pinned for as long as
// the returned strong reference lives. Stops the program if it is gone.
template <class T>
std::shared_ptr<T> force(const std::weak_ptr<T>& reference) {
  auto object = reference.lock();
  if (!object) {
    stop("unexpectedly found nil while unwrapping a weak reference");
  }
  return object;
}

// Forced unwrapping of an optional.
template <class T>
T& force(std::optional<T>& value) {
  if (!value) {
    stop("unexpectedly found nil while unwrapping an optional value");
  }
  return *value;
}

}  // namespace q09
