// Floating-point numbers in their plain form.
//
// A float prints the shortest decimal digits that read back as the same value of the same width (64-bit
// double or 32-bit float). It is written as a plain decimal with at least one digit after the point
// ("5.0", "0.138", "-1.1304") while its magnitude is at least 0.0001 and at most 2^54 (double) or 2^24
// (float), and in exponent form otherwise: the digits with a point after the first one (left out for a
// single digit), "e", the sign and at least two exponent digits ("1e-05", "1.8014398509481988e+16").
//
// The bounds are compared exactly, in double: the float nearest 0.0001 lies just below it and so prints as
// "1e-04". The float limit is where floats stop holding every whole number, so a float printed as a plain
// decimal never shows digits it cannot tell apart. Infinities and NaN print as "inf", "-inf" and "nan".
//
//   std::string s;
//   console::append_float(s, 110408.08032000001);  // "110408.08032000001"
//   console::append_float(s, 139.77217f);          // "139.77217"
#pragma once

#include <string>

namespace console {

void append_float(std::string& out, double value);
void append_float(std::string& out, float value);

}  // namespace console
