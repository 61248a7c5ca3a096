// ReferenceBuffer: a raw, fixed-size buffer of strong references, filled and emptied by hand.
//
// std::allocator gives storage only. A slot becomes a reference when it is initialised (std::construct_at)
// and stops being one when the buffer is deinitialised (std::destroy_at): what a typed container does for
// us, done step by step. The buffer remembers which slots hold a reference, so that a slot used out of turn
// is a logic error that stops the program instead of touching raw memory: initialising a slot twice,
// assigning or reading one that holds nothing, a slot past the end, or freeing the buffer while references
// are still in it (they would never be released).
//
//   q18::ReferenceBuffer<Vamp> buffer(4);
//   buffer.initialize(1, 4, std::make_shared<Vamp>(9));  // slots 1 to 3: one and the same Vamp
//   buffer.initialize(0, std::make_shared<Vamp>(25));
//   buffer.assign(1, other);                             // slot 1 lets go of the Vamp of 9
//   buffer.deinitialize();                               // every reference ends; the Vamps die here
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "console/engine.h"
#include "console/program.h"

namespace q18 {

template <class Object>
class ReferenceBuffer {
 public:
  explicit ReferenceBuffer(std::size_t count) : live_(count, false), slots_(allocator_.allocate(count)) {}
  ReferenceBuffer(const ReferenceBuffer&) = delete;
  ReferenceBuffer& operator=(const ReferenceBuffer&) = delete;
  ~ReferenceBuffer() {
    for (std::size_t slot = 0; slot < live_.size(); ++slot) {
      if (live_[slot]) console::fail(console::cat("ReferenceBuffer freed with a reference in slot ", slot));
    }
    allocator_.deallocate(slots_, live_.size());
  }

  // Makes the empty slots first to last - 1 references to the same object.
  void initialize(std::size_t first, std::size_t last, const std::shared_ptr<Object>& object) {
    for (std::size_t slot = first; slot < last; ++slot) initialize(slot, object);
  }
  // Makes an empty slot a reference to object.
  void initialize(std::size_t slot, std::shared_ptr<Object> object) {
    check(slot, false, "initialised twice");
    std::construct_at(slots_ + slot, std::move(object));
    live_[slot] = true;
  }

  // Points a slot that holds a reference at another object; the one it held is released.
  void assign(std::size_t slot, std::shared_ptr<Object> object) {
    check(slot, true, "assigned before it was initialised");
    slots_[slot] = std::move(object);
  }

  // The reference a slot holds.
  const std::shared_ptr<Object>& operator[](std::size_t slot) const {
    check(slot, true, "read before it was initialised");
    return slots_[slot];
  }

  // Ends every reference the buffer holds; its slots are empty again.
  void deinitialize() {
    for (std::size_t slot = 0; slot < live_.size(); ++slot) {
      if (!live_[slot]) continue;
      std::destroy_at(slots_ + slot);
      live_[slot] = false;
    }
  }

 private:
  void check(std::size_t slot, bool must_hold, const char* misuse) const {
    if (slot >= live_.size()) {
      console::fail(console::cat("ReferenceBuffer: slot ", slot, " past the end (count ", live_.size(), ")"));
    }
    if (live_[slot] != must_hold) console::fail(console::cat("ReferenceBuffer: slot ", slot, " ", misuse));
  }

  std::allocator<std::shared_ptr<Object>> allocator_;
  std::vector<bool> live_;  // which slots hold a reference
  std::shared_ptr<Object>* slots_;
};

}  // namespace q18
