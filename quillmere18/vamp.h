// The two Vamp classes of section 11: one shape, two classes, one per example, that never mix. Each is a
// class (shared through std::shared_ptr, never copied) with one variable integer, no description and no
// deinit line; printed, an object shows its qualified class name, "Quillmere18.Vamp", and its type "Vamp".
#pragma once

#include <cstdint>

namespace q18 {

namespace first_vamp {

class Vamp {
 public:
  explicit Vamp(std::int64_t value) : value(value) {}
  Vamp(const Vamp&) = delete;
  Vamp& operator=(const Vamp&) = delete;

  std::int64_t value;
};

}  // namespace first_vamp

namespace second_vamp {

class Vamp {
 public:
  explicit Vamp(std::int64_t value) : value(value) {}
  Vamp(const Vamp&) = delete;
  Vamp& operator=(const Vamp&) = delete;

  std::int64_t value;
};

}  // namespace second_vamp

}  // namespace q18
