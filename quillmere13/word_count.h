// Counting words: lower-casing, a dictionary from words to counts, a compact array of words, and ranking
// by count.
//
// WordCounts is a dictionary from text to integer built for many lookups of few distinct words: open
// addressing over one flat slot array that also holds short words' bytes, so that a lookup of a word of up
// to 16 bytes reads one slot and nothing else; words and counts in insertion order, in two arrays.
// WordList is an array of words that keeps each distinct word once and the array itself as 4-byte indices,
// so that holding every word of a large file costs little memory.
//
//   q13::WordCounts counts;
//   ++counts["the"];
//   q13::by_count(counts);  // [("the", 1)]
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
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
  using value_type = std::pair<std::string_view, std::int64_t>;

  // The count stored for `word`; an absent word is inserted with 0.
  std::int64_t& operator[](std::string_view word) { return counts_[insert(word)]; }
  bool contains(std::string_view word) const;
  // The count of `word`, 0 when absent.
  std::int64_t count(std::string_view word) const;

  // The position of `word` in insertion order, inserting it with count 0 when absent.
  std::size_t insert(std::string_view word);
  const std::string& word(std::size_t position) const { return words_[position]; }
  std::int64_t& count_at(std::size_t position) { return counts_[position]; }

  std::size_t size() const { return words_.size(); }
  bool empty() const { return words_.empty(); }

  // (word, count) pairs in insertion order.
  class Iterator {
   public:
    using value_type = WordCounts::value_type;
    using difference_type = std::ptrdiff_t;

    Iterator() = default;
    Iterator(const WordCounts* owner, std::size_t position) : owner_(owner), position_(position) {}

    value_type operator*() const { return {owner_->words_[position_], owner_->counts_[position_]}; }
    Iterator& operator++() {
      ++position_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++position_;
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.position_ == b.position_; }

   private:
    const WordCounts* owner_ = nullptr;
    std::size_t position_ = 0;
  };

  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, size()); }

 private:
  static constexpr std::size_t inline_bytes = 16;

  // One slot: 1 + the word's position (0 when free); a tag of high hash bits and, in its low 5 bits, the
  // word's length (31 for words longer than inline_bytes); and a short word's bytes, zero-padded.
  struct Slot {
    std::uint32_t position = 0;
    std::uint32_t tag = 0;
    char bytes[inline_bytes] = {};
  };

  std::size_t find(std::string_view word, std::size_t hash) const;
  void grow();

  std::vector<std::string> words_;
  std::vector<std::int64_t> counts_;
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
  std::string_view operator[](std::size_t i) const { return distinct_.word(indices_[i]); }

  // How often each word of the array occurs.
  WordCounts tally() const;

 private:
  WordCounts distinct_;
  std::vector<std::uint32_t> indices_;
};

// The (word, count) pairs, larger counts first; equal counts keep the dictionary's iteration order.
std::vector<std::pair<std::string, std::int64_t>> by_count(const WordCounts& counts);

}  // namespace q13
