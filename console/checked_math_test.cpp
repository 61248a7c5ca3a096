#include "console/checked_math.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "console/program.h"

namespace {

constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();

TEST(CheckedMathTest, ResultsUpToTheLimitsAreExact) {
  struct Case {
    std::int64_t a, b, sum, difference, product;
  };
  for (const Case& c : {Case{2, 3, 5, -1, 6}, Case{max - 1, 1, max, max - 2, max - 1},
                        Case{min + 1, -1, min, min + 2, -(min + 1)}, Case{-1, max, max - 1, min, -max},
                        Case{-1, min + 1, min, max - 1, max}, Case{0, min + 1, min + 1, max, 0},
                        Case{min / 2, 2, min / 2 + 2, min / 2 - 2, min},
                        Case{-(1LL << 31), 1LL << 32, 1LL << 31, -3 * (1LL << 31), min},
                        Case{1LL << 31, 1LL << 30, 3 * (1LL << 30), 1LL << 30, 1LL << 61}}) {
    EXPECT_EQ(console::checked_add(c.a, c.b, "t"), c.sum) << c.a << ", " << c.b;
    EXPECT_EQ(console::checked_subtract(c.a, c.b, "t"), c.difference) << c.a << ", " << c.b;
    EXPECT_EQ(console::checked_multiply(c.a, c.b, "t"), c.product) << c.a << ", " << c.b;
  }
}

TEST(CheckedMathDeathTest, AnOverflowStopsNamingTheOperation) {
  console::start_program("Demo");
  EXPECT_DEATH(console::checked_add(max, 1, "advance"),
               "^Demo: advance: 9223372036854775807 \\+ 1 overflows\n");
  EXPECT_DEATH(console::checked_add(min, -1, "sum"), "^Demo: sum: -9223372036854775808 \\+ -1 overflows\n");
  EXPECT_DEATH(console::checked_subtract(min, 1, "year"),
               "^Demo: year: -9223372036854775808 - 1 overflows\n");
  EXPECT_DEATH(console::checked_subtract(0, min, "negation"), "negation: 0 - -9223372036854775808 overflows");
  EXPECT_DEATH(console::checked_multiply(max / 3 + 1, 3, "triple"),
               "^Demo: triple: 3074457345618258603 \\* 3");
  EXPECT_DEATH(console::checked_multiply(min, -1, "sign"), "sign: -9223372036854775808 \\* -1 overflows");
  EXPECT_DEATH(console::checked_multiply(-1, min, "sign"), "sign: -1 \\* -9223372036854775808 overflows");
  EXPECT_DEATH(console::checked_multiply(1LL << 32, 1LL << 31, "square"),
               "square: 4294967296 \\* 2147483648 overflows");
  EXPECT_DEATH(console::checked_multiply(min, 2, "double"), "double: -9223372036854775808 \\* 2 overflows");
}

}  // namespace
