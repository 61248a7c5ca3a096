#include "quillmere18/collatz.h"

#include <gtest/gtest.h>

namespace {

TEST(Collatz, VisitsValuesUntilOne) {
  EXPECT_EQ(q18::collatz_line(3), "3 10 5 16 8 4 2 1");
  EXPECT_EQ(q18::collatz_line(2), "2 1");
  EXPECT_EQ(q18::collatz_line(15), "15 46 23 70 35 106 53 160 80 40 20 10 5 16 8 4 2 1");
}

TEST(Collatz, AppliesTheRuleAtLeastOnce) {
  EXPECT_EQ(q18::collatz_line(1), "1 4 2 1");
  EXPECT_EQ(q18::collatz_line(0), "0 0");
  EXPECT_EQ(q18::collatz_line(-4), "-4 -2");
}

TEST(CollatzDeathTest, OverflowStopsTheProgram) {
  EXPECT_DEATH(q18::collatz_line(0x7fff'ffff'ffff'ffffLL), "overflows");
}

}  // namespace
