#include "console/program.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "console/output.h"

namespace console {

namespace {

std::string& program_name() {
  static std::string name = "main";
  return name;
}

// At exit: a failed write to stdout, or a failed final flush, must not end as success.
void check_stdout_at_exit() {
  if (const int error = detail::flush_stdout(); error != 0) {
    report_error("error writing to standard output", error);
    std::_Exit(EXIT_FAILURE);
  }
}

}  // namespace

void start_program(std::string_view name) {
  program_name() = std::string(name);
  detail::use_large_stdout_buffer();
  static const bool watched = std::atexit(check_stdout_at_exit) == 0;
  (void)watched;
}

std::string_view module_name() {
  return program_name();
}

void report_error(std::string_view what, int error) {
  const char* reason = error != 0 ? std::strerror(error) : "unknown error";
  std::fprintf(stderr, "%s: %.*s: %s\n", program_name().c_str(), static_cast<int>(what.size()), what.data(),
               reason);
  std::fflush(stderr);
}

void fail(std::string_view what) {
  // Lines already printed sit in stdout's buffer when it is a file or a pipe; abort would drop them.
  std::fflush(stdout);
  std::fprintf(stderr, "%s: %.*s\n", program_name().c_str(), static_cast<int>(what.size()), what.data());
  std::fflush(stderr);
  std::abort();
}

}  // namespace console
