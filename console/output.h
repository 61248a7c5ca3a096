// Standard output: every write of the library goes through here, so that a failed write is never reported as
// success and no write is ever cut by another thread's output.
//
// Writes go through the C library's public stdio interface to its buffered stdout, so they keep their order
// with printf, fputs, putchar and std::cout (synchronised with stdio) and honour whatever buffering the
// program chose: a terminal's lines, a buffer of any size, or none. Each call's bytes reach the stream as one
// stdio operation, which the C library performs under the stream's lock: no other thread's output comes
// between them. The first error of any write is remembered, for the check at the program's exit that
// start_program arms (program.cpp).
//
// Not installed: print.h and program.h are the public face of all this.
#pragma once

#include <string_view>

namespace console::detail {

// Writes text to stdout as one piece; the first failure is remembered.
void write_stdout(std::string_view text);

// Writes the two pieces one after the other as one piece: another thread's output never comes between them.
void write_stdout(std::string_view first, std::string_view second);

// Flushes stdout; the first error of any write or of the flush as an errno value, or 0.
int flush_stdout();

// Gives stdout a large buffer when it is a file or a pipe whose buffer nobody has chosen or allocated yet;
// a terminal, and a stream the program has already buffered or written to, keep theirs.
void use_large_stdout_buffer();

}  // namespace console::detail
