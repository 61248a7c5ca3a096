// Counting words: lower-casing, a dictionary from words to counts, a compact array of words, and ranking
// by count.
//
// WordCounts is a dictionary from text to integer built for many lookups of few distinct words: open
// addressing over one flat slot array, entries in insertion order. WordList is an array of words that keeps
// each distinct word once and the array itself as 4-byte indices, so that holding every word of a large
// file costs little memory.
//
//   q13::WordCounts counts;
//   ++counts["the"];
//   q13::by_count(counts);  // [("the", 1)]
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace q13 {

// ASCII letters to lower case; every other byte stays as it is.
std::string lowercased(std::string word);

class WordCounts {
 public:
  using key_type = std::string;
  using mapped_type = std::int64_t;
  using value_type = std::pair<std::string, std::int64_t>;

  // The count stored for `word`; an absent word is inserted with 0.
  std::int64_t& operator[](std::string_view word) { return entries_[insert(word)].second; }
  bool contains(std::string_view word) const;
  // The count of `word`, 0 when absent.
  std::int64_t count(std::string_view word) const;

  // The position of `word` among the entries, inserting it with count 0 when absent.
  std::size_t insert(std::string_view word);
  value_type& entry(std::size_t position) { return entries_[position]; }

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }
  // Entries in insertion order.
  auto begin() const { return entries_.cbegin(); }
  auto end() const { return entries_.cend(); }

 private:
  // One slot: 1 + the entry's position (0 when free), and the high half of the word's hash, so that most
  // probes that do not match never touch the entry.
  struct Slot {
    std::uint32_t position = 0;
    std::uint32_t tag = 0;
  };

  std::size_t find(std::string_view word, std::size_t hash) const;
  void grow();

  std::vector<value_type> entries_;
  std::vector<Slot> slots_;
};

bool operator==(const WordCounts& a, const WordCounts& b);

// An array of words, held as indices into the distinct words.
class WordList {
 public:
  void push_back(std::string_view word) {
    indices_.push_back(static_cast<std::uint32_t>(distinct_.insert(word)));
  }
  std::size_t size() const { return indices_.size(); }
  bool empty() const { return indices_.empty(); }
  std::string_view operator[](std::size_t i) const { return (distinct_.begin() + indices_[i])->first; }

  // How often each word of the array occurs.
  WordCounts tally() const;

 private:
  WordCounts distinct_;
  std::vector<std::uint32_t> indices_;
};

// The (word, count) pairs, larger counts first; equal counts keep the dictionary's iteration order.
std::vector<std::pair<std::string, std::int64_t>> by_count(const WordCounts& counts);

}  // namespace q13
