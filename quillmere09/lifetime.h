// Small helpers that make the moments of an object's life explicit.
//
// The classes of this program hold each other through std::shared_ptr (strong),
// std::weak_ptr (weak) and q09::Unowned (unowned, see unowned.h). These helpers
// cover what the standard leaves open or silent: release_in_order, a list that
// drops its elements front to back (std::vector's own destruction order is
// unspecified).
//
// Forced unwrapping (console::force) and the stop on a logic error
// (console::fail) come from the console library.
#pragma once

#include <memory>
#include <vector>

namespace q09 {

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

}  // namespace q09
