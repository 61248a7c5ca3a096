// InternedWords: an array of words that stores each distinct word once, and tally(), its words counted.
//
// It reads like an array of texts (push_back, size, the words in order as views) but stores no text per
// element: each distinct word is kept once, in a WordCounts, and each element is that word's position among
// them. A large file's words cost a byte or two each, and tally() counts them without looking any word up
// again.
//
//   q13::InternedWords words;
//   words.push_back(q13::lower_in_place(word));
//   for (std::string_view w : words) ...               // the words in the order pushed
//   const q13::WordCounts counts = q13::tally(std::move(words));
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "quillmere13/word_counts.h"
#include "quillmere13/word_key.h"

namespace q13 {

class InternedWords {
 public:
  void push_back(std::string_view word) { push_back(WordKey::exact(word)); }
  void push_back(const WordKey& key);
  void push_back(LowerInPlace word);
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // The words in order.
  class Iterator {
   public:
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;

    Iterator() = default;
    Iterator(const InternedWords* owner, std::size_t block, std::size_t at)
        : owner_(owner), block_(block), at_(at) {}

    std::string_view operator*() const;
    Iterator& operator++();
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    friend bool operator==(const Iterator& a, const Iterator& b) {
      return a.block_ == b.block_ && a.at_ == b.at_;
    }

   private:
    const InternedWords* owner_ = nullptr;
    std::size_t block_ = 0;
    std::size_t at_ = 0;
  };

  Iterator begin() const {
    settle();
    return Iterator(this, 0, 0);
  }
  Iterator end() const {
    settle();
    return Iterator(this, blocks_.size(), 0);
  }

  friend WordCounts tally(InternedWords words);

 private:
  static constexpr std::size_t first_block_bytes = 1024;
  static constexpr std::size_t block_bytes = 64 * 1024;

  // A position as 7-bit groups, low group first; a set top bit means another group follows. Reads one and
  // moves `at` past it.
  static std::size_t decode(const std::uint8_t*& at);

  // A word pushed but not yet looked up: its hash, and where its bytes lie in pending_text_.
  struct Pending {
    std::uint64_t hash;
    std::size_t start;
    std::size_t size;
  };
  // Pushed words wait in a batch before they are looked up. Reading the list looks up what waits first;
  // nothing that can be observed changes, which is why a const list may do it.
  static constexpr std::size_t batch = 16;
  void settle() const;
  // Adds the next block, with the room it starts with.
  void start_block() const;

  mutable WordCounts distinct_;
  // The positions, block after block, no position split between two blocks.
  mutable std::vector<std::vector<std::uint8_t>> blocks_;
  mutable std::vector<Pending> pending_;
  mutable std::string pending_text_;
  std::size_t size_ = 0;
};

// How often each word of the array occurs, in order of first occurrence. The array is used up: its
// distinct words become the dictionary's keys.
WordCounts tally(InternedWords words);

}  // namespace q13
