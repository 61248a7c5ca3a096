#include "quillmere13/sequences.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ranges>
#include <string>
#include <vector>

#include "console/engine.h"
#include "console/type_name.h"
#include "console/utf8.h"

namespace q13 {
namespace {

using Int = std::int64_t;
using Strings = std::vector<std::string>;

TEST(ReversedCollectionTest, IteratesBackwardsAndPrintsItsBase) {
  const Strings names{"種島", "佐藤", "山田", "小鳥遊"};
  const auto view = reversed(names);
  EXPECT_EQ(to_vector(view), (Strings{"小鳥遊", "山田", "佐藤", "種島"}));
  EXPECT_EQ(console::render(console::type_of(view)), "ReversedCollection<Array<String>>");
  EXPECT_EQ(console::render(view),
            "ReversedCollection<Array<String>>(_base: [\"種島\", \"佐藤\", \"山田\", \"小鳥遊\"])");
  EXPECT_TRUE(to_vector(reversed(Strings{})).empty());
}

TEST(ReversedCollectionTest, KeepsItsOwnCopyOfTheBase) {
  Strings names{"a", "b"};
  const auto view = reversed(names);
  names.push_back("c");
  EXPECT_EQ(to_vector(view), (Strings{"b", "a"}));
}

TEST(ZipTest, StopsAtTheShorterSequence) {
  const auto pairs = to_vector(zip(console::characters("甲乙丙丁戊己"), std::vector<double>{5.0, 3.5, 2.0}));
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(console::render(pairs.back()), "(\"丙\", 2.0)");
  EXPECT_EQ(to_vector(zip(std::vector<Int>{1, 2}, Strings{"a", "b", "c"})).size(), 2u);
  EXPECT_TRUE(to_vector(zip(std::vector<Int>{}, Strings{"a"})).empty());
}

TEST(ZipTest, PairsWithUnboundedAndRepeatedSequences) {
  EXPECT_EQ(console::render(to_vector(zip(Strings{"吉田", "佐藤"}, std::views::iota(Int{1})))),
            "[(\"吉田\", 1), (\"佐藤\", 2)]");
  EXPECT_EQ(console::render(to_vector(zip(Strings{"畑"}, repeated(std::string("Yes"), 100)))),
            "[(\"畑\", \"Yes\")]");
  EXPECT_EQ(to_vector(repeated(Int{7}, 3)), (std::vector<Int>{7, 7, 7}));
  EXPECT_TRUE(to_vector(repeated(Int{7}, 0)).empty());
}

TEST(EnumeratedTest, LabelsOffsetAndElement) {
  const auto pairs = to_vector(enumerated(Strings{"村上", "橘"}));
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(console::render(pairs[0]), "(offset: 0, element: \"村上\")");
  const auto& [offset, element] = pairs[1];
  EXPECT_EQ(offset, 1);
  EXPECT_EQ(element, "橘");
}

}  // namespace
}  // namespace q13
