#include "quillmere13/word_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <map>
#include <memory>
#include <ranges>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "console/engine.h"
#include "quillmere13/word_reader.h"
#include "testing/support.h"

namespace q13 {
namespace {

// The case rule byte by byte, as plainly as it can be said.
std::string lowered_plainly(std::string word) {
  for (char& c : word) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return word;
}

// Every length from 0 to 40, so that each way of cutting a word into pieces is met, with bytes next to the
// letter ranges ('@', '[', '`', '{'), digits and bytes above 0x7F, which must stay as they are.
TEST(WordKeyTest, LoweringInPlaceLowersAsciiLettersOnlyAtEveryLength) {
  const std::string pool = "AZaz@[`{QuIeT09\xC3\x89\x80\xFFMiXeD";
  for (std::size_t size = 0; size <= 40; ++size) {
    std::string word;
    for (std::size_t i = 0; i < size; ++i) word += pool[(i * 7 + size) % pool.size()];
    const std::string expected = lowered_plainly(word);
    std::string lowered = word;
    const WordKey key = lower_in_place(lowered).key();
    EXPECT_EQ(lowered, expected) << size;
    EXPECT_EQ(key.text(), expected) << size;
    EXPECT_EQ(key.hash(), WordKey::exact(expected).hash()) << size;
  }
}

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

template <class T>
concept RankableTemporary = requires {
  by_count(std::declval<T>());
};
// The three sequences work with the standard range algorithms.
static_assert(std::ranges::input_range<const WordCounts>);
static_assert(std::ranges::input_range<const InternedWords>);
static_assert(std::ranges::input_range<const Ranking>);

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
      word += c;
    } else if (!word.empty()) {
      const std::string key = lowered_plainly(word);
      if (reference[key]++ == 0) first_seen.push_back(key);
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
