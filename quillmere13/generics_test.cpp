#include "quillmere13/generics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ranges>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "console/engine.h"
#include "console/utf8.h"
#include "quillmere13/time.h"

namespace q13 {
namespace {

using Int = std::int64_t;
using Strings = std::vector<std::string>;
using Rank = std::pair<Int, Int>;

// Raw pointers and arrays would compare and hash by address, so that two C string literals would order by
// where they happen to be stored: every generic function refuses them at compile time.
template <class T>
concept CanSwap = requires(T& a, T& b) {
  mySwap(a, b);
  mySwap2(a, b);
};
template <class X, class S>
concept CanRank = requires(const X& x, const S& sequence) {
  rank(x, sequence);
};
template <class K>
concept CanMerge = requires(const std::unordered_map<K, Int>& m) {
  m + m;
};

static_assert(!Equatable<const char*> && !Comparable<const char*> && !Hashable<const char*>);
static_assert(!Comparable<char*> && !Comparable<char[4]> && !Comparable<const int*>);
static_assert(Comparable<std::string> && Comparable<std::string_view> && Hashable<std::string_view>);
static_assert(CanSwap<std::string> && !CanSwap<const char*> && !CanSwap<char*>);
static_assert(CanRank<std::string, Strings> && !CanRank<const char*, std::vector<const char*>>);
static_assert(CanMerge<std::string> && !CanMerge<const char*>);

TEST(TextOrderTest, TextsCompareByContentNotByWhereTheyAreStored) {
  // "bell" is stored before "AIZ", but "AIZ" is the lesser text.
  constexpr char storage[] = "bell\0AIZ";
  std::string_view little(storage, 4);
  std::string_view great(storage + 5, 3);
  ASSERT_LT(static_cast<const void*>(little.data()), static_cast<const void*>(great.data()));
  mySwap(little, great);
  EXPECT_EQ(little, "AIZ");
  EXPECT_EQ(great, "bell");
  EXPECT_EQ(rank(std::string_view(storage + 5, 3), std::vector<std::string_view>{little, great}),
            (Rank{1, 3}));
}

TEST(MergeTest, RightOperandWinsAndOperandsStayUnchanged) {
  const std::unordered_map<std::string, Int> left{{"レベル", 60}, {"特技", 10}};
  const std::unordered_map<std::string, Int> right{{"特技", 99}, {"番号", 1}};
  const auto merged = left + right;
  EXPECT_EQ(merged, (std::unordered_map<std::string, Int>{{"レベル", 60}, {"特技", 99}, {"番号", 1}}));
  EXPECT_EQ(left.at("特技"), 10);
  EXPECT_EQ(right.size(), 2u);
  const std::unordered_map<std::string, Int> empty;
  EXPECT_EQ(left + empty, left);
  EXPECT_EQ(empty + right, right);
}

// Ordered by `key` only, so that an exchange of equal values would show in `tag`.
struct Tagged : OrderingDefaults<Tagged> {
  Int key;
  char tag;
  Tagged(Int k, char t) : key(k), tag(t) {}
  friend bool operator<(const Tagged& a, const Tagged& b) { return a.key < b.key; }
  // Only the Comparable check asks for it, so no call emits it.
  [[maybe_unused]] friend bool operator==(const Tagged& a, const Tagged& b) { return a.key == b.key; }
};

struct UseMySwap {
  template <class T>
  static void call(T& a, T& b) {
    mySwap(a, b);
  }
};
struct UseMySwap2 {
  template <class T>
  static void call(T& a, T& b) {
    mySwap2(a, b);
  }
};

template <class T>
class SwapTest : public ::testing::Test {};
using Swaps = ::testing::Types<UseMySwap, UseMySwap2>;
TYPED_TEST_SUITE(SwapTest, Swaps);

TYPED_TEST(SwapTest, ExchangesOnlyWhenLittleIsGreater) {
  std::string little = "bell";
  std::string great = "AIZ";
  TypeParam::call(little, great);  // upper case orders first
  EXPECT_EQ(little, "AIZ");
  EXPECT_EQ(great, "bell");
  TypeParam::call(little, great);  // already in order
  EXPECT_EQ(little, "AIZ");
  EXPECT_EQ(great, "bell");
}

TYPED_TEST(SwapTest, NeverExchangesEqualValues) {
  Tagged little(5, 'a');
  Tagged great(5, 'b');
  TypeParam::call(little, great);
  EXPECT_EQ(little.tag, 'a');
  EXPECT_EQ(great.tag, 'b');
}

TYPED_TEST(SwapTest, UsesTheTypesOwnOrdering) {
  Time little(10, 0);
  Time great(9, 75);
  TypeParam::call(little, great);
  EXPECT_EQ(console::render(little), " 9:75");
  EXPECT_EQ(console::render(great), "10:00");
}

TEST(RankTest, CountsOnlyStrictlySmallerElements) {
  const Strings words{"red", "hot", "eye", "flame", "haze"};
  EXPECT_EQ(rank("eye", words), (Rank{1, 6}));
  EXPECT_EQ(rank("hair", words), (Rank{3, 6}));
  EXPECT_EQ(rank("xanadu", words), (Rank{6, 6}));
  EXPECT_EQ(rank("Zebra", words), (Rank{1, 6}));  // upper case orders before lower case
  EXPECT_EQ(rank(Int{5}, std::vector<Int>{5, 5, 5}), (Rank{1, 4}));
}

TEST(RankTest, EmptySequenceAndGreatestValue) {
  EXPECT_EQ(rank(Int{7}, std::vector<Int>{}), (Rank{1, 1}));
  EXPECT_EQ(rank(Int{100}, std::vector<Int>{3, 1, 2}), (Rank{4, 4}));
}

TEST(RankTest, WorksOverSetsCharactersAndLazySequences) {
  EXPECT_EQ(rank(1.0, std::unordered_set<double>{0.57, 1.13, -0.27, 3.4}), (Rank{3, 5}));
  EXPECT_EQ(rank(console::Character(U'イ'), console::characters("アレキサンドライト")), (Rank{2, 10}));
  EXPECT_EQ(rank(Time(9, 0), std::set<Time>{Time(8, 0), Time(9, 0), Time(10, 0)}), (Rank{2, 4}));
  EXPECT_EQ(rank(Int{4}, std::views::iota(Int{0}, Int{10})), (Rank{5, 11}));
}

const Strings months{"睦月", "如月", "弥生", "卯月",   "皐月", "水無月",
                     "文月", "葉月", "長月", "神無月", "霜月", "師走"};

TEST(ElementsTest, SkipsZeroAndNegativeIndices) {
  EXPECT_EQ(elements(months, std::views::iota(Int{-2}, Int{4})), (Strings{"如月", "弥生", "卯月"}));
  EXPECT_EQ(elements(months, std::vector<Int>{0, 0, -7}), Strings{});
  EXPECT_EQ(elements(months, std::vector<Int>{}), Strings{});
}

TEST(ElementsTest, AcceptsAnyIntegerTypeAndKeepsOrderAndRepeats) {
  EXPECT_EQ(elements(months, std::vector<std::uint8_t>{2, 4, 6, 9, 11}),
            (Strings{"弥生", "皐月", "文月", "神無月", "師走"}));
  EXPECT_EQ(elements(months, std::vector<short>{11, 1, 11}), (Strings{"師走", "如月", "師走"}));
  EXPECT_EQ(elements(months, std::vector<unsigned long long>{3}), (Strings{"卯月"}));
}

TEST(ElementsDeathTest, IndexPastTheEndStopsTheProgram) {
  EXPECT_DEATH(elements(months, std::vector<Int>{12}), "out of range");
}

TEST(LesserObjectTest, LittlerReturnsOneOfTheGivenObjects) {
  const auto alpha = std::make_shared<Alpha>(100);
  const auto beta = std::make_shared<Beta>(5);
  EXPECT_EQ(littler(alpha, beta), beta);
  EXPECT_EQ(littler(beta, alpha), beta);
  const auto chosen = std::dynamic_pointer_cast<Beta>(littler(beta, alpha));
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->sub, "Subclass");
}

TEST(LesserObjectTest, TiesGoToTheSecondArgument) {
  const auto first = std::make_shared<Beta>(7);
  const auto second = std::make_shared<Beta>(7);
  EXPECT_EQ(littler(first, second), second);
  EXPECT_EQ(smaller(first, second), second);
}

TEST(LesserObjectTest, SmallerKeepsTheCallersType) {
  const auto first = std::make_shared<Beta>(1);
  const auto second = std::make_shared<Beta>(18);
  static_assert(std::is_same_v<decltype(smaller(first, second)), std::shared_ptr<Beta>>);
  static_assert(std::is_same_v<decltype(littler(first, second)), std::shared_ptr<Alpha>>);
  EXPECT_EQ(smaller(first, second), first);
  EXPECT_EQ(smaller(second, first), first);
}

}  // namespace
}  // namespace q13
