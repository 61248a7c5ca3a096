#include "quillmere13/scalar.h"

#include "console/engine.h"
#include "console/program.h"

namespace q13 {

console::Character scalar(std::int64_t code) {
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    console::fail(console::cat("not a Unicode scalar: ", code));
  }
  return console::Character(static_cast<char32_t>(code));
}

}  // namespace q13
