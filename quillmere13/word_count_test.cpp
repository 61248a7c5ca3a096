#include "quillmere13/word_count.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "console/render.h"

namespace q13 {
namespace {

TEST(WordCountTest, LowercasesAsciiLettersOnly) {
  EXPECT_EQ(lowercased("HeLLo"), "hello");
  EXPECT_EQ(lowercased("Ünï 1Z"), "Ünï 1z");
  EXPECT_EQ(lowercased(""), "");
}

// Many distinct words force several rounds of growth; every count must survive them.
TEST(WordCountsTest, AgreesWithTheStandardDictionaryThroughGrowth) {
  WordCounts counts;
  std::unordered_map<std::string, std::int64_t> reference;
  for (int i = 0; i < 20000; ++i) {
    const std::string word = "w" + std::to_string((i * 7919) % 5003);
    ++counts[word];
    ++reference[word];
  }
  ASSERT_EQ(counts.size(), reference.size());
  for (const auto& [word, n] : reference) EXPECT_EQ(counts.count(word), n) << word;
  EXPECT_FALSE(counts.contains("absent"));
  EXPECT_EQ(counts.count("absent"), 0);
}

TEST(WordCountsTest, LookupInsertsZeroAndEntriesKeepInsertionOrder) {
  WordCounts counts;
  EXPECT_EQ(counts["sun"], 0);
  counts["sea"] += 2;
  ++counts["sun"];
  EXPECT_TRUE(counts.contains("sun"));
  EXPECT_EQ(console::render(counts), "[\"sun\": 1, \"sea\": 2]");
  EXPECT_EQ(console::render(WordCounts{}), "[:]");
}

TEST(WordCountsTest, EqualityNeedsTheSameWordsWithTheSameCounts) {
  WordCounts a;
  WordCounts b;
  a["x"] = 0;
  b["y"] = 0;
  EXPECT_FALSE(a == b);
  b["x"] = 0;
  a["y"] = 0;
  EXPECT_TRUE(a == b);
  ++a["x"];
  EXPECT_FALSE(a == b);
}

TEST(WordListTest, KeepsEveryWordInOrderAndTalliesThem) {
  WordList words;
  for (const char* w : {"the", "sun", "the", "the", "sea"}) words.push_back(w);
  ASSERT_EQ(words.size(), 5u);
  EXPECT_EQ(words[0], "the");
  EXPECT_EQ(words[1], "sun");
  EXPECT_EQ(words[3], "the");
  EXPECT_EQ(words[4], "sea");
  WordCounts expected;
  expected["the"] = 3;
  expected["sun"] = 1;
  expected["sea"] = 1;
  EXPECT_TRUE(words.tally() == expected);
  EXPECT_TRUE(WordList{}.tally().empty());
}

TEST(ByCountTest, LargerCountsFirstTiesInIterationOrder) {
  WordCounts counts;
  for (int i = 0; i < 50; ++i) counts["w" + std::to_string(i)] = i % 3;
  const auto ranking = by_count(counts);
  ASSERT_EQ(ranking.size(), counts.size());
  for (std::size_t i = 1; i < ranking.size(); ++i) EXPECT_GE(ranking[i - 1].second, ranking[i].second);
  // Within one count, the order is the dictionary's own.
  for (std::int64_t count = 0; count < 3; ++count) {
    std::vector<std::string> expected;
    for (const auto& [word, n] : counts) {
      if (n == count) expected.emplace_back(word);
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
