// The word count as the program does it: words read from a file, lowered, listed and tallied, or counted
// straight into a dictionary, then ranked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "quillmere13/interned_words.h"
#include "quillmere13/ranking.h"
#include "quillmere13/word_counts.h"
#include "quillmere13/word_key.h"
#include "quillmere13/word_reader.h"
#include "testing/support.h"

namespace q13 {
namespace {

// The two passes of the word count, on files.
class WordCountPassesTest : public test_support::ScratchTest {
 protected:
  std::shared_ptr<WordReader> reader(const std::string& contents) {
    auto opened = WordReader::open(file("words.txt", contents));
    EXPECT_NE(opened, nullptr);
    return opened;
  }

  // The word count's two ways over `contents`: every lower-cased word into a list, then tallied; and each
  // counted straight into a dictionary.
  std::pair<WordCounts, WordCounts> both_passes(const std::string& contents) {
    const auto first = reader(contents);
    InternedWords words;
    while (auto word = first->getWord()) words.push_back(lower_in_place(*word));
    const auto second = reader(contents);
    WordCounts counts;
    while (auto word = second->getWord()) counts[lower_in_place(*word)] += 1;
    return {tally(std::move(words)), std::move(counts)};
  }
};

using Pairs = std::vector<std::pair<std::string_view, std::int64_t>>;

Pairs pairs(const Ranking& ranking) {
  return Pairs(ranking.begin(), ranking.end());
}

TEST_F(WordCountPassesTest, MixedCaseWordsCountAsOneAndTiesKeepFirstSeenOrder) {
  const std::string text = "The sun. THE sea, the SUN!\nSea sEA 42 tHe-End end";
  const auto [first, second] = both_passes(text);
  const Pairs expected{{"the", 4}, {"sea", 3}, {"sun", 2}, {"end", 2}};
  EXPECT_EQ(pairs(by_count(first)), expected);
  EXPECT_EQ(pairs(by_count(second)), expected);
}

// A few megabytes of generated text with words of every length and case, some glued to digits, some
// Japanese, a vocabulary large enough for every width of position, counted against a plain count of its
// own: bytes split at every non-letter, lowered one by one, tallied in an unordered_map.
TEST_F(WordCountPassesTest, LargeTextAgreesWithAnIndependentCount) {
  std::uint64_t state = 12345;
  const auto next = [&state](std::uint64_t below) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return (state >> 33) % below;
  };
  std::vector<std::string> vocabulary;
  for (int i = 0; i < 40000; ++i) {
    std::string word;
    const std::uint64_t size = 1 + next(i % 10 == 0 ? 40 : 9);
    for (std::uint64_t j = 0; j < size; ++j) word += static_cast<char>((next(2) != 0 ? 'a' : 'A') + next(26));
    vocabulary.push_back(word);
  }
  const char* const separators[] = {
      " ", " ", " ", ", ", ".\n", "\t", " 1984 ", "7", " \xE6\x97\xA5\xE6\x9C\xAC ", "'s "};
  std::string text;
  while (text.size() < 3'000'000) {
    // Frequent words first in the vocabulary, a long tail after them.
    const std::uint64_t pick = next(4) != 0 ? next(300) : next(vocabulary.size());
    text += vocabulary[pick];
    text += separators[next(std::size(separators))];
  }

  std::unordered_map<std::string, std::int64_t> reference;
  std::vector<std::string> first_seen;
  std::string word;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : ' ';
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));  // the "C" locale's rule
    } else if (!word.empty()) {
      if (reference[word]++ == 0) first_seen.push_back(word);
      word.clear();
    }
  }
  // Larger counts first, equal counts in first-seen order: a sort on both keys.
  std::vector<std::size_t> order(first_seen.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::ranges::sort(order, [&](std::size_t a, std::size_t b) {
    const std::int64_t x = reference[first_seen[a]];
    const std::int64_t y = reference[first_seen[b]];
    return x != y ? x > y : a < b;
  });
  Pairs expected;
  for (const std::size_t i : order) expected.emplace_back(first_seen[i], reference[first_seen[i]]);

  const auto [first, second] = both_passes(text);
  ASSERT_EQ(first.size(), reference.size());
  ASSERT_EQ(second.size(), reference.size());
  EXPECT_EQ(pairs(by_count(first)), expected);
  EXPECT_EQ(pairs(by_count(second)), expected);
}

}  // namespace
}  // namespace q13
