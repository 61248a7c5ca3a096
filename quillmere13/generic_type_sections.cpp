// Sections 7-9: generic functions over indices, a generic record and a generic class.
#include <cstdint>
#include <ranges>
#include <string>
#include <utility>
#include <vector>

#include "console/print.h"
#include "console/utf8.h"
#include "quillmere13/generics.h"
#include "quillmere13/pick_forever.h"
#include "quillmere13/sections.h"
#include "quillmere13/vector.h"

namespace q13 {
namespace {

using console::print;

}  // namespace

void section7() {
  const Strings months{"睦月", "如月", "弥生", "卯月",   "皐月", "水無月",
                       "文月", "葉月", "長月", "神無月", "霜月", "師走"};
  const auto spring = elements(months, std::views::iota(Int{-2}, Int{3} + 1));
  print(spring);
  print(elements(months, std::vector<std::uint8_t>{2, 4, 6, 9, 11}));
  print(std::ssize(months), std::ssize(spring));
}

void section8() {
  const Vector<Strings> colours{{}, {"黒", "noir", "schwarz"}};
  print(colours);
  const Vector<Int> steps{1, 5};
  print(steps.x + steps.y);
  print("------");
  const Vector<double> shares{0.5, 0.3};
  print(shares.x + shares.y);
}

void section9() {
  PickForever<std::pair<Int, std::string>> ships({{4, "多摩"}, {2, "那珂"}, {1, "神通"}});
  for (int i = 0; i < 5; ++i) print({.terminator = " "}, ships.pick().second);
  print("");

  PickForever<console::Character> sounds(console::characters("おあやややおやにおあやまりとおいい"));
  sounds.makeUnique();
  sounds.sort();
  for (int i = 0; i < 10; ++i) print({.terminator = " "}, sounds.pick());
  print("");

  PickForever<std::string> snows({"初雪", "吹雪", "白雪", "深雪"});
  print(snows.concatenate(2));
  print(snows.concatenate(7));

  PickForever<Int> digits({9, 1, 8, 2, 7, 3, 6, 4, 5, 5});
  for (int i = 0; i < 14; ++i) print({.terminator = " "}, digits.pick());
  print();
  digits.makeUnique();
  digits.sort();
  print(digits.list);
}

}  // namespace q13
