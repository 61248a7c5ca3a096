// Quillmere08: classes — stored and computed properties, observers, designated, failable and required
// initialisers, overriding, class-level members, run-time type tests and casts, type values, and an object
// that owns a C file handle. Twenty sections, run in order.
#include "console/program.h"
#include "quillmere08/sections.h"

int main() {
  console::start_program("Quillmere08");
  q08::section1();
  q08::section2();
  q08::section3();
  q08::section4();
  q08::section5();
  q08::section6();
  q08::section7();
  q08::section8();
  q08::section9();
  q08::section10();
  q08::section11();
  q08::section12();
  q08::section13();
  q08::section14();
  q08::section15();
  q08::section16();
  q08::section17();
  q08::section18();
  q08::section19();
  return q08::section20();
}
