// Standard output: every write of the library goes through here, so that a failed write is never reported as
// success.
//
// Writes go to the C library's buffered stdout, in order with printf-family output of the same program. The
// first error of any write is remembered; once watched (start_program does it), the program's exit flushes
// stdout and, if a write or the flush failed, writes one line naming the program and the error to stderr and
// ends with status 1 instead of the status it asked for.
#pragma once

#include <cstddef>
#include <string_view>

namespace console::detail {

// Writes text to stdout; the first failure is remembered.
void write_stdout(std::string_view text);

// Writes the pieces one after the other. `readable` is how many bytes may be read from first.data(), at least
// first.size() (a std::string's buffer holds more than its text), which lets a short text be copied as one
// move of a fixed size.
void write_stdout(std::string_view first, std::string_view second, std::size_t readable = 0);

// Flushes stdout; the first error of any write or of the flush as an errno value, or 0.
int flush_stdout();

// Gives stdout a large buffer unless it is a terminal; only before anything was written to it.
void use_large_stdout_buffer();

// Arms the check at exit (once, however often it is called).
void watch_stdout_at_exit();

}  // namespace console::detail
