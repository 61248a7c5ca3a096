// Unowned<T>: a reference that never keeps its object alive and can never be
// read after the object is gone.
//
// C++ gives two ways to refer to a shared object: std::shared_ptr (strong: the
// object lives while any strong reference does) and std::weak_ptr (weak: it
// observes the object and reads empty once it died). An unowned reference sits
// in between: like a weak one it does not count as an owner, but its user
// promises that the object outlives every use, so it is read directly, without
// an optional in between. Holding a raw T* would express that promise but not
// check it: a read after the object died would be undefined behaviour.
//
// Unowned<T> keeps a std::weak_ptr inside and checks the promise on every read:
//   - `unowned->member` pins the object with a strong reference only for the
//     duration of that one expression, so it never extends the object's life
//     beyond the access;
//   - a read after the object died stops the program with a message (see
//     console::fail) instead of touching freed memory.
// It never hands out ownership: there is no way to get a std::shared_ptr out.
//
//   auto room = std::make_shared<HomeRoom>("３年３組");
//   Unowned<HomeRoom> home{room};
//   print(home->name);  // fine: room is alive
//   room.reset();       // the home room dies; `home` did not keep it
//   home->name;         // stops the program: read after the object died
#pragma once

#include <memory>

#include "console/program.h"

namespace q09 {

template <class T>
class Unowned {
 public:
  // Refers to `object` without owning it. The caller keeps it alive.
  explicit Unowned(const std::shared_ptr<T>& object) : object_(object) {}

  // The object, strongly held only while the access expression runs.
  // `unowned->name` goes through Access::operator-> (C++ chains `->` calls),
  // and the Access temporary ends with the full expression.
  class Access {
   public:
    T* operator->() const { return pinned_.get(); }

   private:
    friend class Unowned;
    explicit Access(std::shared_ptr<T> pinned) : pinned_(std::move(pinned)) {}
    std::shared_ptr<T> pinned_;
  };

  Access operator->() const { return Access{checked()}; }

 private:
  std::shared_ptr<T> checked() const {
    auto pinned = object_.lock();
    if (!pinned) {
      console::fail("read of an unowned reference after its object was destroyed");
    }
    return pinned;
  }

  std::weak_ptr<T> object_;
};

}  // namespace q09
