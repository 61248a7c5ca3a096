#include "console/output.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "console/program.h"

namespace console::detail {

namespace {

// The first error seen while writing to stdout; errno is long gone by the time the program exits.
int stdout_error = 0;

void remember_failure() {
  if (stdout_error == 0) stdout_error = errno != 0 ? errno : EIO;
}

void check_stdout_at_exit() {
  if (const int error = flush_stdout(); error != 0) {
    report_error("error writing to standard output", error);
    // The status the program asked for would report success; a failed write must not.
    std::_Exit(EXIT_FAILURE);
  }
}

}  // namespace

void write_stdout(std::string_view text) {
  if (text.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) remember_failure();
}

void write_stdout(std::string_view first, std::string_view second) {
  errno = 0;
  flockfile(stdout);
  // Unlocked writes into the stream's own buffer: a long run of short prints costs what one batch does.
  if (fwrite_unlocked(first.data(), 1, first.size(), stdout) != first.size() ||
      fwrite_unlocked(second.data(), 1, second.size(), stdout) != second.size()) {
    remember_failure();
  }
  funlockfile(stdout);
}

int flush_stdout() {
  errno = 0;
  if (std::fflush(stdout) != 0) remember_failure();
  if (stdout_error == 0 && std::ferror(stdout)) stdout_error = EIO;
  return stdout_error;
}

void watch_stdout_at_exit() {
  static const bool watched = std::atexit(check_stdout_at_exit) == 0;
  (void)watched;
}

}  // namespace console::detail
