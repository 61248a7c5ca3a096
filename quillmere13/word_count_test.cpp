#include "quillmere13/word_count.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace q13 {
namespace {

TEST(WordCountTest, LowercasesAsciiLettersOnly) {
  EXPECT_EQ(lowercased("HeLLo"), "hello");
  EXPECT_EQ(lowercased("Ünï 1Z"), "Ünï 1z");
  EXPECT_EQ(lowercased(""), "");
}

TEST(WordCountTest, TallyCountsEachOccurrence) {
  const auto counts = tally({"the", "sun", "the", "the", "sea"});
  EXPECT_EQ(counts, (WordCounts{{"the", 3}, {"sun", 1}, {"sea", 1}}));
  EXPECT_TRUE(tally({}).empty());
}

TEST(WordCountTest, LargerCountsFirstTiesInIterationOrder) {
  WordCounts counts;
  for (int i = 0; i < 50; ++i) counts["w" + std::to_string(i)] = i % 3;
  const auto ranking = by_count(counts);
  ASSERT_EQ(ranking.size(), counts.size());
  for (std::size_t i = 1; i < ranking.size(); ++i) EXPECT_GE(ranking[i - 1].second, ranking[i].second);
  // Within one count, the order is the dictionary's own.
  for (std::int64_t count = 0; count < 3; ++count) {
    std::vector<std::string> expected;
    for (const auto& [word, n] : counts) {
      if (n == count) expected.push_back(word);
    }
    std::vector<std::string> actual;
    for (const auto& [word, n] : ranking) {
      if (n == count) actual.push_back(word);
    }
    EXPECT_EQ(actual, expected);
  }
}

}  // namespace
}  // namespace q13
