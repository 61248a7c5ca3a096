#include "console/print.h"

#include <cerrno>
#include <cstdio>

namespace console::detail {

namespace {
// The first error seen while writing to stdout; errno is long gone by the time the program exits.
int stdout_error = 0;
}  // namespace

void write_stdout(std::string_view text) {
  if (text.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() && stdout_error == 0) {
    stdout_error = errno != 0 ? errno : EIO;
  }
}

int flush_stdout() {
  errno = 0;
  if (std::fflush(stdout) != 0 && stdout_error == 0) stdout_error = errno != 0 ? errno : EIO;
  if (stdout_error == 0 && std::ferror(stdout)) stdout_error = EIO;
  return stdout_error;
}

}  // namespace console::detail
