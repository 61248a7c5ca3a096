// Checked integer arithmetic: an overflow is a logic error that stops the program.
//
// Each operation gives the exact result or, when it does not fit in 64 bits, stops through console::fail
// with a message that names the operation the caller was computing and the values involved:
//
//   console::checked_add(min, m, "advance")   // min + m
//   // Quillmere08: advance: 9223372036854775807 + 1 overflows
#pragma once

#include <cstdint>
#include <string_view>

namespace console {

// a + b, a - b and a * b, each stopping the program on overflow. `operation` names what the caller
// computes; it leads the message.
std::int64_t checked_add(std::int64_t a, std::int64_t b, std::string_view operation);
std::int64_t checked_subtract(std::int64_t a, std::int64_t b, std::string_view operation);
std::int64_t checked_multiply(std::int64_t a, std::int64_t b, std::string_view operation);

}  // namespace console
