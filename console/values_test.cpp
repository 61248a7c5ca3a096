#include "console/values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using console::render;
using Int = std::int64_t;

TEST(ValuesTest, LabeledPrintsLabelsAndTakesApartWithStructuredBindings) {
  auto place = console::labeled({"offset", "element"}, Int{0}, std::string("村上"));
  EXPECT_EQ(render(place), "(offset: 0, element: \"村上\")");
  EXPECT_EQ(render(std::vector{place}), "[(offset: 0, element: \"村上\")]");
  auto& [offset, element] = place;
  offset = 3;
  element += "君";
  EXPECT_EQ(render(place), "(offset: 3, element: \"村上君\")");
  const auto [copied_offset, copied_element] = place;
  EXPECT_EQ(copied_offset, 3);
  EXPECT_EQ(copied_element, "村上君");
  static_assert(std::tuple_size_v<decltype(place)> == 2);
  static_assert(std::is_same_v<std::tuple_element_t<1, decltype(place)>, std::string>);
  // An empty label leaves the element unlabelled.
  EXPECT_EQ(render(console::labeled({"", "b"}, Int{1}, Int{2})), "(1, b: 2)");
}

TEST(ValuesTest, RangesPrintTheirBoundsInDebugForm) {
  EXPECT_EQ(render(console::Range<Int>{0, 5}), "0..<5");
  EXPECT_EQ(render(console::ClosedRange<Int>{1, 3}), "1...3");
  EXPECT_EQ(render(console::Range<std::string>{"a", "z"}), "\"a\"..<\"z\"");
  EXPECT_EQ(render(std::vector{console::ClosedRange<double>{0.5, 1.0}}), "[0.5...1.0]");
  EXPECT_TRUE(console::Range<Int>(0, 5).contains(4));
  EXPECT_FALSE(console::Range<Int>(0, 5).contains(5));
  EXPECT_TRUE(console::ClosedRange<Int>(0, 5).contains(5));
}

}  // namespace
