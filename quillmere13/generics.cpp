#include "quillmere13/generics.h"

namespace q13 {

std::shared_ptr<Alpha> littler(std::shared_ptr<Alpha> a, std::shared_ptr<Alpha> b) {
  return a->value < b->value ? a : b;
}

}  // namespace q13
