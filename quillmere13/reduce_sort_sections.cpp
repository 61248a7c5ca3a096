// Sections 17-21: reducing, tallying and sorting collections.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <numeric>
#include <ranges>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "console/engine.h"
#include "console/print.h"
#include "quillmere13/scalar.h"
#include "quillmere13/sections.h"
#include "quillmere13/sequences.h"

namespace q13 {
namespace {

using console::print;

struct Profile {
  std::string name;
  std::string kana;
  Int height;
};

}  // namespace

void section17() {
  const std::vector<Int> codes{24618, 21147, 20081, 31070};
  print(std::accumulate(codes.begin(), codes.end(), std::string("*"),
                        [](std::string text, Int code) { return console::cat(text, scalar(code), "*"); }));
}

void section18() {
  const std::unordered_map<std::string, Int> scores{{"池沢", 82}, {"小磯", 78}, {"篠原", 82}, {"陣内", 64}};
  print(std::accumulate(scores.begin(), scores.end(), Int{0},
                        [](Int best, const auto& entry) { return std::max(best, entry.second); }));
  // Of equal maxima, max_element gives the first.
  const auto top =
      *std::ranges::max_element(scores, [](const auto& a, const auto& b) { return a.second < b.second; });
}

void section19() {
  const std::vector<std::pair<std::string, Int>> entries{{"木下", 2}, {"中沢", 1}, {"良田", 3},
                                                         {"鈴木", 1}, {"木下", 1}, {"中沢", 2},
                                                         {"鈴木", 1}, {"良田", 2}, {"木下", 3}};
  using Tally = std::unordered_map<std::string, Int>;
  Tally first;
  for (const auto& [name, n] : entries) first[name] += n;
  Tally second;
  for (const auto& [name, n] : entries) second.try_emplace(name, 0).first->second += n;
  const auto third =
      std::accumulate(entries.begin(), entries.end(), Tally{}, [](Tally tally, const auto& entry) {
        tally[entry.first] += entry.second;
        return tally;
      });
}

void section20() {
  std::vector<Int> primes;
  for (Int n = 3; n < 10000; n += 2) {
    bool composite = false;
    for (const Int p : primes) {
      if (n % p == 0) {
        composite = true;
        break;
      }
      if (p * p > n) break;
    }
    if (!composite) primes.push_back(n);
  }
  primes.insert(primes.begin(), 2);
  print(std::ssize(primes));
}

void section21() {
  const std::vector<Profile> table{{"島村", "しまむら", 159},
                                   {"緒方", "おがた", 153},
                                   {"前川", "まえかわ", 152},
                                   {"新田", "にった", 165},
                                   {"神崎", "かんざき", 156}};
  auto by_height = table;
  std::ranges::sort(by_height, std::less{}, &Profile::height);
  print(to_vector(by_height | std::views::transform(&Profile::name)));
  const auto kana_at = [&table](std::size_t position) -> const std::string& { return table[position].kana; };
  auto positions = to_vector(std::views::iota(std::size_t{0}, table.size()));
  std::ranges::sort(positions, std::less{}, kana_at);
  print(positions);
  print(to_vector(positions | std::views::transform(kana_at)));
  print("------");
}

}  // namespace q13
