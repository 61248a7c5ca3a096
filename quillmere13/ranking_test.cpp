#include "quillmere13/ranking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ranges>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace q13 {
namespace {

static_assert(std::ranges::input_range<const Ranking>);

template <class T>
concept RankableTemporary = requires {
  by_count(std::declval<T>());
};

static_assert(!RankableTemporary<WordCounts>, "a ranking would view a dictionary that is gone");
static_assert(RankableTemporary<const WordCounts&>);

TEST(ByCountTest, LargerCountsFirstTiesInIterationOrder) {
  WordCounts counts;
  for (int i = 0; i < 50; ++i) counts["w" + std::to_string(i)] = i % 3;
  const auto ranking = by_count(counts);
  ASSERT_EQ(ranking.size(), counts.size());
  for (std::size_t i = 1; i < ranking.size(); ++i)
    EXPECT_GE(ranking.entry(i - 1).second, ranking.entry(i).second);
  // Within one count, the order is the dictionary's own.
  for (std::int64_t count = 0; count < 3; ++count) {
    std::vector<std::string_view> expected;
    for (const auto& [word, n] : counts) {
      if (n == count) expected.push_back(word);
    }
    std::vector<std::string_view> actual;
    for (const auto& [word, n] : ranking) {
      if (n == count) actual.push_back(word);
    }
    EXPECT_EQ(actual, expected);
  }
}

}  // namespace
}  // namespace q13
