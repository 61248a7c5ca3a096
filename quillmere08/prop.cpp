#include "quillmere08/prop.h"

#include "console/print.h"

namespace q08 {

void Propβ::setAttr(std::int64_t value) {
  console::print("β: will set");
  Propα::setAttr(value);
  console::print("β: did set");
}

void Propγ::setAttr(std::int64_t value) {
  console::print("γ: will set");
  Propβ::setAttr(value);
  console::print("γ: did set");
}

}  // namespace q08
