#include "console/output.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

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

namespace {

constexpr std::size_t short_text = 16;

// Copies a text straight into the room left in stdout's buffer, the way the C library's own putc_unlocked
// writes a byte; false when there is not enough room (a full buffer, or a line-buffered or unbuffered
// stream, which leave none), and the stream itself must take the text.
bool copy_into_buffer([[maybe_unused]] std::string_view first, [[maybe_unused]] std::string_view second,
                      [[maybe_unused]] std::size_t readable) {
#if defined(__GLIBC__)
  char* const end = stdout->_IO_write_ptr;
  const auto room = static_cast<std::size_t>(stdout->_IO_write_end - end);
  if (room <= std::max(first.size(), short_text) + second.size()) return false;
  char* out = end;
  if (first.size() <= short_text && readable >= short_text) {
    // One move of a fixed size, whatever the text's length, rather than a call for a few bytes or a loop
    // whose end is mispredicted; what lies past the text is overwritten next.
    std::memcpy(out, first.data(), short_text);
    out += first.size();
  } else if (first.size() <= short_text) {
    for (const char c : first) *out++ = c;
  } else {
    out = static_cast<char*>(std::memcpy(out, first.data(), first.size())) + first.size();
  }
  for (const char c : second) *out++ = c;
  stdout->_IO_write_ptr = out;
  return true;
#else
  return false;
#endif
}

// Any other pair of pieces (kept out of line, so that the short path saves no registers).
[[gnu::noinline]] void write_pieces(std::string_view first, std::string_view second, std::size_t readable) {
  // The programs run on one thread, so a text that fits goes into the stream's buffer without its lock, as
  // putc_unlocked does; a long run of one-word prints then costs what copying the words into one batch does.
  if (copy_into_buffer(first, second, readable)) return;
  write_stdout(first);
  write_stdout(second);
}

}  // namespace

void write_stdout(std::string_view first, std::string_view second, std::size_t readable) {
#if defined(__GLIBC__)
  // The path of a word and its blank, kept short.
  char* out = stdout->_IO_write_ptr;
  if (first.size() <= short_text && readable >= short_text && second.size() == 1 &&
      stdout->_IO_write_end - out > static_cast<std::ptrdiff_t>(short_text + 1)) {
    std::memcpy(out, first.data(), short_text);
    out += first.size();
    *out++ = second.front();
    stdout->_IO_write_ptr = out;
    return;
  }
#endif
  write_pieces(first, second, readable);
}

int flush_stdout() {
  errno = 0;
  if (std::fflush(stdout) != 0) remember_failure();
  if (stdout_error == 0 && std::ferror(stdout)) stdout_error = EIO;
  return stdout_error;
}

void use_large_stdout_buffer() {
  // A file or a pipe gets one write call per 64 KiB rather than per 4 KiB; a terminal keeps its lines. Only
  // a stream nothing was written to yet may change its buffer.
  static char buffer[64 * 1024];
  static bool chosen = false;
#if defined(__GLIBC__)
  if (stdout->_IO_buf_base != nullptr) chosen = true;
#endif
  if (chosen) return;
  chosen = true;
  if (!isatty(fileno(stdout))) std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
}

void watch_stdout_at_exit() {
  static const bool watched = std::atexit(check_stdout_at_exit) == 0;
  (void)watched;
}

}  // namespace console::detail
