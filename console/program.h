// The running program: its name, failures it reports, and the one way it stops on a logic error.
//
// Every program calls start_program first. From then on:
//   - module_name() is the name that qualifies records, enumeration cases and classes in printed forms;
//   - a failed write to standard output is never reported as success: at exit (a return from main or
//     std::exit) stdout is flushed, and if any write failed, one line naming the program and the error goes
//     to stderr and the exit status becomes 1;
//   - fail(what) is how a logic error (an index outside a list, forced unwrapping of an empty optional, a
//     failed forced downcast, arithmetic overflow) ends the program. It keeps what was already printed.
//
//   int main() {
//     console::start_program("Quillmere09");
//     ...
//     if (index >= list.size()) console::fail("index out of range");
//   }
#pragma once

#include <string_view>

namespace console {

// Names the running program and arms the stdout check at exit. Call it first in main.
void start_program(std::string_view name);

// The running program's name, which is also the module name of its types ("main" before start_program).
std::string_view module_name();

// Reports a failure that stdout must not show: one line on stderr, "<program>: <what>: <error text>",
// where error is an errno value (0 reads as an unknown error, never as success).
void report_error(std::string_view what, int error);

// Stops the program on a logic error: flushes stdout so that every line printed so far reaches its file or
// pipe, writes "<program>: <what>" to stderr, and aborts.
[[noreturn]] void fail(std::string_view what);

}  // namespace console
