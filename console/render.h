// Console rendering: how every printed value becomes text, and print. The chief header of the library.
//
//   console::print("a", 1, 2.5);                                             // a 1 2.5
//   console::print({.terminator = " "}, 9);                                  // "9 " with no line feed
//   console::print(std::vector<std::optional<std::int64_t>>{std::nullopt, 3});  // [nil, Optional(3)]
//   std::string s = console::cat("s=", std::tuple{100, 50});                 // s=(100, 50)
//   std::string t = console::format("%2d:%02d", 9, 5);                       //  9:05
//
// The library, one job per header:
//   program.h      start_program, module_name, report_error, and fail: the one way to stop on a logic error
//   checked.h      forced unwrapping and forced downcasts that stop through fail
//   checked_math.h integer arithmetic that stops on overflow
//   any.h          values of any type, and Object, the root of classes whose objects go into one
//   description.h  the description protocol: description(), and CustomStringConvertible for class hierarchies
//   record.h       records: a value type's stored fields declared once (var, let)
//   engine.h       the classifier of kinds and the plain and debug forms: render, debug, cat
//   values.h       labelled tuples and ranges
//   print.h        print and print_to
//   format.h       format, the printf conversions into a text
//   float.h        the shortest round-trip form of floats
//   type_name.h    printed type names and types as values
//   utf8.h         characters, encoding and decoding
//   case_mapping.h Unicode's upper case of a character
//   traits.h       the one classification of texts, numbers, optionals, references and tuples
#pragma once

#include "console/any.h"           // IWYU pragma: export
#include "console/case_mapping.h"  // IWYU pragma: export
#include "console/checked.h"       // IWYU pragma: export
#include "console/checked_math.h"  // IWYU pragma: export
#include "console/description.h"   // IWYU pragma: export
#include "console/engine.h"        // IWYU pragma: export
#include "console/float.h"         // IWYU pragma: export
#include "console/format.h"        // IWYU pragma: export
#include "console/print.h"         // IWYU pragma: export
#include "console/program.h"       // IWYU pragma: export
#include "console/record.h"        // IWYU pragma: export
#include "console/traits.h"        // IWYU pragma: export
#include "console/type_name.h"     // IWYU pragma: export
#include "console/utf8.h"          // IWYU pragma: export
#include "console/values.h"        // IWYU pragma: export
