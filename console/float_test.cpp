#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>

#include "console/render.h"

namespace {

using console::render;

TEST(FloatTest, PlainDecimalWithAtLeastOneFractionDigit) {
  EXPECT_EQ(render(5.0), "5.0");
  EXPECT_EQ(render(0.138), "0.138");
  EXPECT_EQ(render(-1.1304), "-1.1304");
  EXPECT_EQ(render(110408.08032000001), "110408.08032000001");
  EXPECT_EQ(render(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(render(100.0), "100.0");
  EXPECT_EQ(render(0.0), "0.0");
  EXPECT_EQ(render(-0.0), "-0.0");
}

TEST(FloatTest, SwitchesToExponentFormAtTheEdges) {
  EXPECT_EQ(render(0.0001), "0.0001");
  EXPECT_EQ(render(0.00009999), "9.999e-05");
  EXPECT_EQ(render(0.00001), "1e-05");
  EXPECT_EQ(render(std::ldexp(1.0, 54)), "18014398509481984.0");
  EXPECT_EQ(render(std::nextafter(std::ldexp(1.0, 54), 1e300)), "1.8014398509481988e+16");
  EXPECT_EQ(render(1e100), "1e+100");
  EXPECT_EQ(render(-2.5e-300), "-2.5e-300");
}

TEST(FloatTest, ThirtyTwoBitValuesUseTheirOwnShortestDigits) {
  EXPECT_EQ(render(35.7004f), "35.7004");
  EXPECT_EQ(render(139.77217f), "139.77217");
  EXPECT_EQ(render(0.1f), "0.1");
  EXPECT_EQ(render(16777216.0f), "16777216.0");
  EXPECT_EQ(render(16777218.0f), "1.6777218e+07");
}

// The bounds are exact: the float nearest 0.0001 is 9.99999974737875e-05, below the bound.
TEST(FloatTest, BoundsAreComparedExactlyForFloats) {
  EXPECT_EQ(render(0.0001f), "1e-04");
  EXPECT_EQ(render(std::nextafter(0.0001f, 1.0f)), "0.000100000005");
  EXPECT_EQ(render(-0.0001f), "-1e-04");
  EXPECT_EQ(render(0.0001), "0.0001");
}

TEST(FloatTest, NonFiniteValues) {
  EXPECT_EQ(render(INFINITY), "inf");
  EXPECT_EQ(render(-HUGE_VAL), "-inf");
  EXPECT_EQ(render(NAN), "nan");
}

TEST(FloatTest, PrintedTextReadsBackAsTheSameValue) {
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 200000; ++i) {
    const std::uint64_t bits = random();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) {
      const std::string text = render(d);
      ASSERT_EQ(std::strtod(text.c_str(), nullptr), d) << text;
    }
    const auto bits32 = static_cast<std::uint32_t>(bits >> 17);
    float f;
    std::memcpy(&f, &bits32, sizeof f);
    if (std::isfinite(f)) {
      const std::string text = render(f);
      ASSERT_EQ(std::strtof(text.c_str(), nullptr), f) << text;
    }
  }
}

}  // namespace
