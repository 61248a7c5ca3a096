#include "quillmere13/time.h"

#include "console/format.h"

namespace q13 {

std::string clock_text(std::int64_t hour, std::int64_t min) {
  return console::format("%2d:%02d", hour, min);
}

}  // namespace q13
