// Sections 26-29: zipped sequences, and repeated growth, Fibonacci, eager against lazy filtering.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <ranges>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "console/engine.h"
#include "console/print.h"
#include "console/utf8.h"
#include "quillmere13/sections.h"
#include "quillmere13/sequences.h"

namespace q13 {
namespace {

using console::print;

}  // namespace

void section26() {
  for (const auto& pair : zip(console::characters("甲乙丙丁戊己"), std::vector<double>{5.0, 3.5, 2.0}))
    print(pair);
  print("------");
}

void section27() {
  for (const auto& pair : zip(Strings{"吉田", "佐藤", "坂井", "近衛"}, std::views::iota(Int{1}))) print(pair);
  print("------");
}

void section28() {
  for (const auto& pair : zip(Strings{"早乙女", "畑", "白井"}, repeated(std::string("Yes"), 100)))
    print(pair);
}

void section29() {
  double money = 100000.0;
  print(money);
  for (int i = 0; i < 9; ++i) {
    money *= 1.02;
    print(money);
  }

  Int a = 0;
  Int b = 1;
  for (int i = 0; i < 20; ++i) {
    print({.terminator = " "}, a);
    std::tie(a, b) = std::pair{b, a + b};
  }
  print();

  const auto shown_even = [](Int i) {
    print({.terminator = " "}, i);
    return i % 2 == 0;
  };
  std::vector<Int> eager;
  std::ranges::copy_if(std::views::iota(Int{0}, Int{8}), std::back_inserter(eager), shown_even);
  for (const Int v : eager) print({.terminator = " "}, console::cat("[", v, "]"));
  print();
  // Lazily, each kept value is printed as soon as the filter lets it through.
  for (const Int v : std::views::iota(Int{0}, Int{8}) | std::views::filter(shown_even)) {
    print({.terminator = " "}, console::cat("[", v, "]"));
  }
  print();
}

}  // namespace q13
