#include <gtest/gtest.h>

#include <cstdint>

#include "console/render.h"

namespace {

using console::format;

TEST(FormatTest, IntegersAreSixtyFourBitWithPadding) {
  EXPECT_EQ(format("%2d:%02d", std::int64_t{9}, std::int64_t{5}), " 9:05");
  EXPECT_EQ(format("%2d:%02d", 12, 0), "12:00");
  EXPECT_EQ(format("%d", std::int64_t{1} << 40), "1099511627776");
  EXPECT_EQ(format("%ld|%lld|%x", std::int64_t{-3}, 4, 255), "-3|4|ff");
}

TEST(FormatTest, FloatsTextsAndLiteralPercent) {
  EXPECT_EQ(format("%.3lf, %c", 3.1415926, 65), "3.142, A");
  EXPECT_EQ(format("%.1f%%", 99.95), "100.0%");
  EXPECT_EQ(format("[%s]", std::string("南")), "[南]");
  EXPECT_EQ(format("%*d", 4, 7), "   7");
  EXPECT_EQ(format("no conversions"), "no conversions");
}

// A "*" takes its value from the arguments; negative values mean what they mean in C.
TEST(FormatTest, StarWidthAndPrecision) {
  EXPECT_EQ(format("[%*d]", -4, 7), "[7   ]");
  EXPECT_EQ(format("[%-*d]", 3, 7), "[7  ]");
  EXPECT_EQ(format("[%.*f]", -3, 1.5), "[1.500000]");
  EXPECT_EQ(format("[%*.*f]", 6, 1, 2.3), "[   2.3]");
  EXPECT_EQ(format("[%.*s]", -1, "abc"), "[abc]");
}

TEST(FormatDeathTest, TooFewArgumentsStopTheProgram) {
  EXPECT_DEATH(format("%d %d", 1), "too few arguments");
}

// Truth values and characters are neither numbers nor texts here; whatever could take one is refused.
static_assert(!console::Formattable<bool> && !console::Formattable<char> && !console::Formattable<char32_t>);
static_assert(console::Formattable<unsigned char> && console::Formattable<float> &&
              console::Formattable<char[4]> && console::Formattable<std::string_view>);

}  // namespace
