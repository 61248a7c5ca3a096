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
                        Case{-1, min + 1, min, max - 1, max}}) {
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
}

}  // namespace
