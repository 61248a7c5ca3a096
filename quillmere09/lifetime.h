// What a class is in this program, and small helpers that make the moments of an object's life explicit.
//
// A class is a reference type: its objects are shared, never copied. Each one derives from ReferenceType,
// which says so (key paths tell classes from records by it) and takes copying away:
//
//   class Party : public q09::ReferenceType { ... };
//   auto party = std::make_shared<Party>("LuckyStar");  // a strong reference
//   auto same = party;                                   // a second reference to the one object
//
// Objects are held through std::shared_ptr (strong), std::weak_ptr (weak) and q09::Unowned (unowned, see
// unowned.h). release_in_order covers what the standard leaves open: a list that drops its elements front
// to back (std::vector's own destruction order is unspecified).
//
// Forced unwrapping (console::force) and the stop on a logic error (console::fail) come from the console
// library.
#pragma once

#include <concepts>
#include <memory>
#include <vector>

namespace q09 {

// The base of every class of this program: marks it as a reference type and makes it non-copyable.
class ReferenceType {
 public:
  ReferenceType(const ReferenceType&) = delete;
  ReferenceType& operator=(const ReferenceType&) = delete;

 protected:
  ReferenceType() = default;
  ~ReferenceType() = default;
};

// A class (a reference type), as opposed to a record (a value type).
template <class T>
concept Class = std::derived_from<T, ReferenceType>;

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
