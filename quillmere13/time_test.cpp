#include "quillmere13/time.h"

#include <gtest/gtest.h>

#include <concepts>
#include <utility>
#include <vector>

#include "console/engine.h"

namespace q13 {
namespace {

static_assert(Comparable<Time> && Comparable<Time2>);
static_assert(!std::equality_comparable_with<Time, Time2>, "a Time never compares with a Time2");

template <class T>
class ClockTimeTest : public ::testing::Test {};
using ClockTypes = ::testing::Types<Time, Time2>;
TYPED_TEST_SUITE(ClockTimeTest, ClockTypes);

TYPED_TEST(ClockTimeTest, DescriptionPadsHourWithBlanksAndMinuteWithZeros) {
  EXPECT_EQ(console::render(TypeParam(12, 0)), "12:00");
  EXPECT_EQ(console::render(TypeParam(9, 5)), " 9:05");
  EXPECT_EQ(console::render(TypeParam(0, 0)), " 0:00");
  EXPECT_EQ(console::render(TypeParam(123, 7)), "123:07");
  EXPECT_EQ(console::render(TypeParam(10, -5)), "10:-5");
  EXPECT_EQ(console::render(TypeParam(25, 75)), "25:75");
}

TYPED_TEST(ClockTimeTest, DescriptionIsUsedUnquotedInsideCollections) {
  EXPECT_EQ(console::render(std::vector<TypeParam>{TypeParam(12, 0), TypeParam(9, 5)}), "[12:00,  9:05]");
  EXPECT_EQ(console::render(std::optional<TypeParam>(TypeParam(9, 5))), "Optional( 9:05)");
}

TYPED_TEST(ClockTimeTest, StoresValuesWithoutNormalising) {
  const TypeParam t(9, 75);
  EXPECT_EQ(t.hour(), 9);
  EXPECT_EQ(t.min(), 75);
  EXPECT_TRUE(TypeParam(10, 0) > t);
  EXPECT_TRUE(TypeParam(9, 59) < TypeParam(9, 60));
}

// Every operator against the chronological order of (hour, minute), over pairs that are equal, differ in the
// hour only, in the minute only, and in both in opposite directions.
TYPED_TEST(ClockTimeTest, AllSixOperatorsAgreeWithChronologicalOrder) {
  const std::vector<std::pair<std::int64_t, std::int64_t>> values{{12, 0}, {9, 59}, {10, 0}, {9, 60},
                                                                  {-1, 5}, {0, -5}, {10, 0}, {25, 75}};
  for (const auto& p : values) {
    for (const auto& q : values) {
      const TypeParam a(p.first, p.second);
      const TypeParam b(q.first, q.second);
      SCOPED_TRACE(console::cat(a, " vs ", b));
      EXPECT_EQ(a < b, p < q);
      EXPECT_EQ(a > b, p > q);
      EXPECT_EQ(a <= b, p <= q);
      EXPECT_EQ(a >= b, p >= q);
      EXPECT_EQ(a == b, p == q);
      EXPECT_EQ(a != b, p != q);
    }
  }
}

TEST(ClockTimeTest, CopiesAreIndependentValues) {
  Time a(8, 30);
  const Time b = a;
  a = Time(9, 0);
  EXPECT_EQ(console::render(b), " 8:30");
  EXPECT_EQ(console::render(a), " 9:00");
}

}  // namespace
}  // namespace q13
