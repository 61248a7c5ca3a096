// The sections of Quillmere08, each a worked example; main() runs them in this order.
#pragma once

namespace q08 {

// Properties, type tests and casts, class-level members, failable initialisers (sections_01_09.cpp).
void section1();
void section2();
void section3();
void section4();
void section5();
void section6();
void section7();
void section8();
void section9();

// Subclass initialisers, overrides, type values, class methods (sections_10_19.cpp).
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

// Words of a text file through an object that owns the file (section20_words.cpp). Returns the exit status.
int section20();

}  // namespace q08
