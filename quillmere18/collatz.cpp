#include "quillmere18/collatz.h"

#include "console/checked_math.h"
#include "console/engine.h"
#include "console/print.h"
#include "console/program.h"

namespace q18 {

namespace {

std::int64_t next(std::int64_t n) {
  if (n % 2 == 0) return n / 2;
  return console::checked_add(console::checked_multiply(3, n, "collatz"), 1, "collatz");
}

}  // namespace

std::string collatz_line(std::int64_t start) {
  std::string line;
  std::int64_t n = start;
  do {
    console::print_to(line, {.terminator = " "}, n);
    n = next(n);
  } while (n > 1);
  console::print_to(line, {.terminator = ""}, n);
  return line;
}

void collatz(std::int64_t start) {
  console::print(collatz_line(start));
}

}  // namespace q18
