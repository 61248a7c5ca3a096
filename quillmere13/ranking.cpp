#include "quillmere13/ranking.h"

#include <algorithm>

namespace q13 {

Ranking by_count(const WordCounts& counts) {
  // Each count is copied beside its position, so that the sort compares what it moves rather than reaching
  // through the dictionary for two counts a comparison. Positions tie-break, which keeps equal counts in the
  // dictionary's order without a stable sort.
  struct Ranked {
    std::int64_t count;
    std::uint32_t position;
  };
  std::vector<Ranked> ranked(counts.size());
  for (std::size_t position = 0; position < ranked.size(); ++position) {
    ranked[position] = {counts.count_of(position), static_cast<std::uint32_t>(position)};
  }
  std::ranges::sort(ranked, [](const Ranked& a, const Ranked& b) {
    return a.count != b.count ? a.count > b.count : a.position < b.position;
  });
  std::vector<std::uint32_t> positions(ranked.size());
  std::ranges::transform(ranked, positions.begin(), &Ranked::position);
  return Ranking(counts, std::move(positions));
}

}  // namespace q13
