#include "quillmere18/collatz.h"

#include <gtest/gtest.h>

#include "console/program.h"

namespace {

TEST(CollatzTest, VisitsValuesUntilOne) {
  EXPECT_EQ(q18::collatz_line(3), "3 10 5 16 8 4 2 1");
  EXPECT_EQ(q18::collatz_line(2), "2 1");
  EXPECT_EQ(q18::collatz_line(15), "15 46 23 70 35 106 53 160 80 40 20 10 5 16 8 4 2 1");
}

TEST(CollatzTest, AppliesTheRuleAtLeastOnce) {
  EXPECT_EQ(q18::collatz_line(1), "1 4 2 1");
  EXPECT_EQ(q18::collatz_line(0), "0 0");
  EXPECT_EQ(q18::collatz_line(-4), "-4 -2");
}

TEST(CollatzDeathTest, OverflowStopsTheProgram) {
  console::start_program("Quillmere18");
  EXPECT_DEATH(q18::collatz_line(0x7fff'ffff'ffff'ffffLL),
               "^Quillmere18: collatz: 3 \\* 9223372036854775807 overflows\n");
  EXPECT_DEATH(q18::collatz_line(-0x7fff'ffff'ffff'ffffLL), "collatz: 3 \\* -9223372036854775807 overflows");
}

}  // namespace
