// The sections of Quillmere09, each a worked example; main() runs them in this order.
#pragma once

namespace q09 {

// References and lifetimes (sections_01_07_lifetimes.cpp).
void section1();
void section2();
void section3();
void section4();
void section5();
void section6();
void section7();

// Optional chaining (section08_optional_chaining.cpp).
void section8();

// Key paths (section09_key_paths.cpp, section10_key_paths.cpp).
void section9();
void section10();

}  // namespace q09
