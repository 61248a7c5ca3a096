#include "quillmere09/locker.h"

#include <utility>

namespace q09::keypaths {

Locker::Locker(Person owner) : owner(std::move(owner)) {}

Person Locker::user() const {
  return owner;
}

}  // namespace q09::keypaths
