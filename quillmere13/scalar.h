// scalar(): a code point as a character, for the sections that build text from numbers.
//
// A Unicode scalar is a code point from 0 to 0x10FFFF outside the surrogates 0xD800 to 0xDFFF. Every code
// point the sections use is one, so anything else is a logic error that stops the program.
//
//   q13::scalar(21335)  // console::Character(U'南')
#pragma once

#include <cstdint>

#include "console/utf8.h"

namespace q13 {

console::Character scalar(std::int64_t code);

}  // namespace q13
