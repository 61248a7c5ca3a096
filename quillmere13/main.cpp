// Quillmere13: generic functions and operators, protocols with associated types, generic value types and
// classes, the standard collection algorithms driven by small functions, and a word count over a text file.
#include "console/program.h"
#include "quillmere13/sections.h"

int main() {
  console::start_program("Quillmere13");
  q13::section1();
  q13::section2();
  q13::section3();
  q13::section4();
  q13::section5();
  q13::section6();
  q13::section7();
  q13::section8();
  q13::section9();
  q13::section10();
  q13::section11();
  q13::section12();
  q13::section13();
  q13::section14();
  q13::section15();
  q13::section16();
  q13::section17();
  q13::section18();
  q13::section19();
  q13::section20();
  q13::section21();
  q13::section22();
  q13::section23();
  q13::section24();
  q13::section25();
  q13::section26();
  q13::section27();
  q13::section28();
  q13::section29();
  return q13::section30();
}
