// The Collatz sequence printer.
#pragma once

#include <cstdint>
#include <string>

namespace q18 {

// The numbers visited from start by the Collatz rule (halve an even number, triple an odd one and add one)
// until the value is no longer above 1, separated by blanks. The rule is applied at least once, so a
// start of 1 gives "1 4 2 1". Stops the program if three times the value plus one overflows.
std::string collatz_line(std::int64_t start);

// Prints collatz_line(start) as one line.
void collatz(std::int64_t start);

}  // namespace q18
