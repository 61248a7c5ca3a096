// Ranking: a dictionary's (word, count) pairs, larger counts first, and by_count(), which makes it.
//
// Equal counts keep the dictionary's iteration order, as a stable sort by count would. A ranking holds the
// pairs' positions in the dictionary rather than copies of the pairs, so the dictionary must outlive it.
//
//   q13::WordCounts counts;
//   counts["sea"] = 1;
//   counts["sun"] = 2;
//   const q13::Ranking ranking = q13::by_count(counts);  // ("sun", 2), ("sea", 1)
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "quillmere13/word_counts.h"

namespace q13 {

class Ranking {
 public:
  Ranking(const WordCounts& counts, std::vector<std::uint32_t> positions)
      : counts_(&counts), positions_(std::move(positions)) {}

  using value_type = WordCounts::value_type;

  std::size_t size() const { return positions_.size(); }
  value_type entry(std::size_t i) const {
    const std::uint32_t position = positions_[i];
    return {counts_->word(position), counts_->count_of(position)};
  }

  using Iterator = PositionIterator<Ranking>;
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, size()); }

 private:
  const WordCounts* counts_;
  std::vector<std::uint32_t> positions_;
};

// The ranking of a dictionary that outlives it (hence no temporaries).
Ranking by_count(const WordCounts& counts);
Ranking by_count(WordCounts&&) = delete;

}  // namespace q13
