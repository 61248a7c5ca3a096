#include "lifetime.h"

#include <cstdio>
#include <cstdlib>

namespace q09 {

void stop(std::string_view message) {
  std::fflush(stdout);  // keep the lines already printed ahead of the message
  std::fprintf(stderr, "Quillmere09: fatal error: %.*s\n", static_cast<int>(message.size()), message.data());
  std::abort();
}

}  // namespace q09
