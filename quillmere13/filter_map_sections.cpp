// Sections 13-15: filtering and mapping collections with small functions.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <ranges>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "console/print.h"
#include "quillmere13/sections.h"
#include "quillmere13/sequences.h"

namespace q13 {
namespace {

using console::print;

}  // namespace

void section13() {
  print(to_vector(std::views::iota(Int{1}, Int{101}) |
                  std::views::filter([](Int n) { return n % 15 == 0 || n % 22 == 0; })));
}

void section14() {
  const std::unordered_map<std::string, Int> heights{
      {"渡辺", 168}, {"千葉", 162}, {"柴田", 158}, {"七草", 155}};
  const auto tall = [](const auto& entry) { return entry.second > 160; };
  std::unordered_map<std::string, Int> tall_ones;
  std::ranges::copy_if(heights, std::inserter(tall_ones, tall_ones.end()), tall);
  std::vector<std::pair<std::string, Int>> tall_pairs;
  std::ranges::copy_if(heights, std::back_inserter(tall_pairs), tall);
}

void section15() {
  const std::vector<double> inches{12.0, 13.0, 15.0, 21.5, 27.0};
  const auto to_cm = [](double inch) { return inch * 2.54; };
  print(to_vector(inches | std::views::transform(to_cm)));
  print(to_vector(inches | std::views::transform(to_cm) |
                  std::views::filter([](double cm) { return cm < 50.0; })));
  print("------");
}

}  // namespace q13
