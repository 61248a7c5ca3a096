// Writes what the compiled case tables say about every scalar, for check_case_mapping.py to compare with
// an independent implementation: a first line "unicode <version>", then one line for each scalar that
// upper-cases to something else or is a combining mark: "<scalar> <upper case...> <M or ->", in hex.
#include <cstdio>
#include <string>

#include "console/case_mapping.h"
#include "console/utf8.h"

int main() {
  const std::string_view version = console::case_mapping_unicode_version();
  std::printf("unicode %.*s\n", static_cast<int>(version.size()), version.data());
  for (char32_t scalar = 0; scalar <= 0x10FFFF; ++scalar) {
    if (scalar >= 0xD800 && scalar <= 0xDFFF) continue;
    std::string upper;
    console::append_uppercased(upper, scalar);
    const bool mark = console::is_combining_mark(scalar);
    if (upper == console::utf8(scalar) && !mark) continue;
    std::printf("%X", static_cast<unsigned>(scalar));
    for (const console::Character c : console::characters(upper))
      std::printf(" %X", static_cast<unsigned>(c.value));
    std::printf(" %c\n", mark ? 'M' : '-');
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
