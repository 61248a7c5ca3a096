// Quillmere09: reference semantics and object lifetimes, optional chaining and key paths. Ten sections,
// run in order.
#include "console/program.h"
#include "quillmere09/sections.h"

int main() {
  console::start_program("Quillmere09");
  q09::section1();
  q09::section2();
  q09::section3();
  q09::section4();
  q09::section5();
  q09::section6();
  q09::section7();
  q09::section8();
  q09::section9();
  q09::section10();
  return 0;
}
