// The program's sections, one function each, in the order main runs them. Each prints its example.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace q13 {

// The vocabulary the sections share: the language's integer and a list of texts.
using Int = std::int64_t;
using Strings = std::vector<std::string>;

void section1();
void section2();
void section3();
void section4();
void section5();
void section6();
void section7();
void section8();
void section9();
void section10();
void section11();
void section12();
void section13();
void section14();
void section15();
void section16();
void section17();
void section18();
void section19();
void section20();
void section21();
void section22();
void section23();
void section24();
void section25();
void section26();
void section27();
void section28();
void section29();
// Returns the program's exit status.
int section30();

}  // namespace q13
