#include "quillmere13/pick_forever.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "console/engine.h"
#include "console/utf8.h"

namespace q13 {
namespace {

using Int = std::int64_t;
using Strings = std::vector<std::string>;

struct Plain {};  // neither ordered nor hashable

template <class P>
concept CanSort = requires(P p) {
  p.sort();
};
template <class P>
concept CanMakeUnique = requires(P p) {
  p.makeUnique();
};
template <class P>
concept CanConcatenate = requires(P p) {
  p.concatenate(Int{1});
};

static_assert(CanSort<PickForever<Int>> && CanMakeUnique<PickForever<Int>> &&
              !CanConcatenate<PickForever<Int>>);
static_assert(CanSort<PickForever<std::string>> && CanConcatenate<PickForever<std::string>>);
static_assert(CanSort<PickForever<console::Character>> && CanMakeUnique<PickForever<console::Character>>);
static_assert(!CanSort<PickForever<Plain>> && !CanMakeUnique<PickForever<Plain>> &&
              !CanConcatenate<PickForever<Plain>>);
// C strings would sort and unique by address: neither is offered.
static_assert(!CanSort<PickForever<const char*>> && !CanMakeUnique<PickForever<const char*>>);
// Ordered but not hashable: sorting only.
static_assert(CanSort<PickForever<std::pair<Int, Int>>> && !CanMakeUnique<PickForever<std::pair<Int, Int>>>);

std::vector<Int> picks(PickForever<Int>& p, int n) {
  std::vector<Int> out;
  for (int i = 0; i < n; ++i) out.push_back(p.pick());
  return out;
}

TEST(PickForeverTest, WrapsAroundLazily) {
  PickForever<Int> p({9, 1, 8, 2, 7, 3, 6, 4, 5, 5});
  EXPECT_EQ(picks(p, 10), (std::vector<Int>{9, 1, 8, 2, 7, 3, 6, 4, 5, 5}));
  EXPECT_EQ(p.index, 10);  // stays at the end until the next pick
  EXPECT_EQ(picks(p, 4), (std::vector<Int>{9, 1, 8, 2}));
  EXPECT_EQ(p.index, 4);
}

TEST(PickForeverTest, OneElementRepeatsForever) {
  PickForever<Int> p({42});
  EXPECT_EQ(picks(p, 3), (std::vector<Int>{42, 42, 42}));
}

TEST(PickForeverTest, MakeUniqueAndSortKeepThePosition) {
  PickForever<Int> p({9, 1, 8, 2, 7, 3, 6, 4, 5, 5});
  picks(p, 14);
  p.makeUnique();
  p.sort();
  EXPECT_EQ(console::render(p.list), "[1, 2, 3, 4, 5, 6, 7, 8, 9]");
  EXPECT_EQ(p.index, 4);
  EXPECT_EQ(p.pick(), 5);
}

TEST(PickForeverTest, ShrinkingBelowThePositionRestartsFromTheFront) {
  PickForever<Int> p({3, 3, 3, 1, 1});
  picks(p, 4);
  p.makeUnique();
  p.sort();
  EXPECT_EQ(p.list, (std::vector<Int>{1, 3}));
  EXPECT_EQ(p.pick(), 1);
  EXPECT_EQ(p.pick(), 3);
}

TEST(PickForeverTest, CharactersBecomeDistinctAndOrderedByCodePoint) {
  PickForever<console::Character> p(console::characters("おあやややおやにおあやまりとおいい"));
  p.makeUnique();
  p.sort();
  EXPECT_EQ(console::render(p.list), "[\"あ\", \"い\", \"お\", \"と\", \"に\", \"ま\", \"や\", \"り\"]");
}

TEST(PickForeverTest, ConcatenateContinuesWhereThePreviousCallStopped) {
  PickForever<std::string> p({"初雪", "吹雪", "白雪", "深雪"});
  EXPECT_EQ(p.concatenate(2), "初雪:吹雪");
  EXPECT_EQ(p.index, 2);
  EXPECT_EQ(p.concatenate(7), "白雪:深雪:初雪:吹雪:白雪:深雪:初雪");
  EXPECT_EQ(p.index, 1);
  EXPECT_EQ(p.concatenate(1), "吹雪");
}

TEST(PickForeverTest, ConcatenateOfNothingDoesNotMove) {
  PickForever<std::string> p({"a", "b"});
  p.pick();
  EXPECT_EQ(p.concatenate(0), "");
  EXPECT_EQ(p.concatenate(-3), "");
  EXPECT_EQ(p.index, 1);
  PickForever<std::string> empty(Strings{});
  EXPECT_EQ(empty.concatenate(5), "");
  EXPECT_EQ(empty.index, 0);
}

TEST(PickForeverTest, CopiesKeepTheirOwnPosition) {
  PickForever<Int> original({1, 2, 3});
  original.pick();
  auto copy = original;
  EXPECT_EQ(copy.pick(), 2);
  EXPECT_EQ(copy.pick(), 3);
  EXPECT_EQ(original.index, 1);
  EXPECT_EQ(original.pick(), 2);
  copy.list.push_back(4);
  EXPECT_EQ(original.list.size(), 3u);
}

TEST(PickForeverTest, PrintsAsRecord) {
  PickForever<Int> p({1, 2});
  p.pick();
  EXPECT_EQ(console::render(p), "PickForever<Int>(list: [1, 2], index: 1)");
}

TEST(PickForeverDeathTest, PickFromAnEmptyListStops) {
  PickForever<Int> p({});
  EXPECT_DEATH(p.pick(), "no element");
}

}  // namespace
}  // namespace q13
