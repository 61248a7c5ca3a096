#include "console/program.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "console/print.h"

namespace console {

namespace {

std::string& program_name() {
  static std::string name = "main";
  return name;
}

void report_stdout_failure_at_exit() {
  int error = detail::flush_stdout();
  if (error != 0) {
    report_error("error writing to standard output", error);
    // The status the program asked for would report success; a failed write must not.
    std::_Exit(EXIT_FAILURE);
  }
}

}  // namespace

void start_program(std::string_view name) {
  static bool registered = false;
  program_name() = std::string(name);
  if (!registered) {
    registered = true;
    std::atexit(report_stdout_failure_at_exit);
  }
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
