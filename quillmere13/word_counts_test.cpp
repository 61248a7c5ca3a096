#include "quillmere13/word_counts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <ranges>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "console/engine.h"
#include "quillmere13/interned_words.h"

namespace q13 {
namespace {

static_assert(std::ranges::input_range<const WordCounts>);

// Words that agree in many of their bytes, or are one another's prefixes, are different keys: all words of
// up to 11 letters over "ab", plus each of them with a letter changed at every position.
TEST(WordCountsTest, CloseWordsStayApart) {
  std::vector<std::string> words;
  for (std::size_t size = 1; size <= 11; ++size) {
    for (std::size_t bits = 0; bits < (std::size_t{1} << size); ++bits) {
      std::string word;
      for (std::size_t i = 0; i < size; ++i) word += (bits >> i & 1) != 0 ? 'b' : 'a';
      words.push_back(word);
    }
  }
  WordCounts counts;
  std::map<std::string, std::int64_t> reference;
  for (const std::string& word : words) {
    for (std::size_t i = 0; i <= word.size(); ++i) {
      std::string variant = word;
      if (i < word.size()) variant[i] = 'c';
      ++counts[variant];
      ++reference[variant];
    }
  }
  ASSERT_EQ(counts.size(), reference.size());
  for (const auto& [word, n] : reference) ASSERT_EQ(counts.count(word), n) << word;
  EXPECT_FALSE(counts.contains("abababababababab"));
  EXPECT_FALSE(counts.contains(""));
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

// A record holds a word of any length next to a count of any value: empty and very long words, counts at the
// limits, each read back by its position and by lookup, and through a list and its tally.
TEST(WordCountsTest, RecordsKeepWordsOfAnyLengthAndCountsOfAnyValue) {
  const std::vector<std::string> words{"", "a", "bbbbbbb", "cccccccc", "ddddddddd", std::string(100000, 'e')};
  const std::vector<std::int64_t> values{
      0, -1, std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min(), 1, 42};
  WordCounts counts;
  for (std::size_t i = 0; i < words.size(); ++i) counts[words[i]] = values[i];
  InternedWords list;
  for (const std::string& word : words) list.push_back(word);
  list.push_back(words.back());
  const WordCounts tallied = tally(std::move(list));
  ASSERT_EQ(counts.size(), words.size());
  ASSERT_EQ(tallied.size(), words.size());
  for (std::size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(counts.word(i), words[i]) << i;
    EXPECT_EQ(counts.count(words[i]), values[i]) << i;
    EXPECT_EQ(tallied.entry(i), (WordCounts::value_type{words[i], i + 1 == words.size() ? 2 : 1})) << i;
  }
}

}  // namespace
}  // namespace q13
