#include "quillmere13/interned_words.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <map>
#include <ranges>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace q13 {
namespace {

static_assert(std::ranges::input_range<const InternedWords>);

// Enough distinct words that positions take one, two and three bytes in the list.
TEST(InternedWordsTest, KeepsEveryWordInOrderAndTalliesThem) {
  InternedWords words;
  std::vector<std::string> pushed;
  std::map<std::string, std::int64_t> reference;
  for (int i = 0; i < 60000; ++i) {
    const std::string word = "w" + std::to_string(i % 3 == 0 ? i % 40 : i % 20000);
    words.push_back(word);
    pushed.push_back(word);
    ++reference[word];
  }
  ASSERT_EQ(words.size(), pushed.size());
  std::vector<std::string> listed;
  for (const std::string_view word : words) listed.emplace_back(word);
  EXPECT_EQ(listed, pushed);

  const WordCounts counts = tally(std::move(words));
  ASSERT_EQ(counts.size(), reference.size());
  for (const auto& [word, n] : reference) ASSERT_EQ(counts.count(word), n) << word;
  // In order of first occurrence.
  EXPECT_EQ((*counts.begin()).first, "w0");
  EXPECT_EQ((*std::next(counts.begin())).first, "w1");
  EXPECT_TRUE(tally(InternedWords{}).empty());
}

// A list read, copied and pushed to in turn, at sizes on both sides of a whole number of batches: every read
// sees every word pushed so far.
TEST(InternedWordsTest, ReadsBetweenPushesSeeEveryWordSoFar) {
  InternedWords words;
  std::vector<std::string> pushed;
  for (int i = 0; i < 100; ++i) {
    pushed.push_back("v" + std::to_string(i % 7));
    words.push_back(pushed.back());
    if (i % 13 != 0 && i % 16 != 15) continue;
    const InternedWords copy = words;
    for (const InternedWords* list : std::initializer_list<const InternedWords*>{&words, &copy}) {
      std::vector<std::string> listed;
      for (const std::string_view word : *list) listed.emplace_back(word);
      ASSERT_EQ(listed, pushed) << i;
    }
  }
  EXPECT_EQ(tally(words).count("v3"), 14);
}

// A copy taken while the first block is still growing (the copy's blocks have no room to spare) and both
// lists pushed to past the first block's largest size, with positions of one to three bytes: each lists
// exactly its own words.
TEST(InternedWordsTest, CopiesGrowApartAcrossBlocks) {
  InternedWords original;
  std::vector<std::string> pushed;
  const auto word = [](int i) { return "x" + std::to_string(i % 3 == 0 ? i % 50 : i % 30000); };
  for (int i = 0; i < 700; ++i) {
    pushed.push_back(word(i));
    original.push_back(pushed.back());
  }
  InternedWords copy = original;
  std::vector<std::string> copied = pushed;
  for (int i = 700; i < 50000; ++i) {
    pushed.push_back(word(i));
    original.push_back(pushed.back());
    copied.push_back(word(i + 1));
    copy.push_back(copied.back());
  }
  for (const auto& [list, expected] : {std::pair{&original, &pushed}, std::pair{&copy, &copied}}) {
    std::vector<std::string> listed;
    for (const std::string_view w : *list) listed.emplace_back(w);
    EXPECT_EQ(listed, *expected);
  }
}

}  // namespace
}  // namespace q13
