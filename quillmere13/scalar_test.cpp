#include "quillmere13/scalar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "console/program.h"

namespace q13 {
namespace {

// The edges of the scalar range and of the surrogates between them, from either side.
TEST(ScalarTest, EveryCodePointOutsideTheSurrogatesUpToTheLastIsAScalar) {
  for (const std::int64_t code : {0x0, 0x41, 0xD7FF, 0xE000, 0xFFFF, 0x10000, 0x10FFFF}) {
    EXPECT_EQ(scalar(code).value, static_cast<char32_t>(code)) << std::hex << code;
  }
}

TEST(ScalarDeathTest, AnythingElseStopsTheProgram) {
  console::start_program("Quillmere13");
  for (const std::int64_t code :
       {std::int64_t{-1}, std::int64_t{0xD800}, std::int64_t{0xDBFF}, std::int64_t{0xDC00},
        std::int64_t{0xDFFF}, std::int64_t{0x110000}, std::numeric_limits<std::int64_t>::min(),
        std::numeric_limits<std::int64_t>::max()}) {
    EXPECT_DEATH(scalar(code), "^Quillmere13: not a Unicode scalar: " + std::to_string(code) + "\n");
  }
}

}  // namespace
}  // namespace q13
