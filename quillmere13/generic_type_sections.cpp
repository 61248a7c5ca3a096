// Sections 7-12: generic value types and classes.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <ranges>
#include <string>
#include <utility>
#include <vector>

#include "console/print.h"
#include "console/utf8.h"
#include "quillmere13/classes.h"
#include "quillmere13/generics.h"
#include "quillmere13/pick_forever.h"
#include "quillmere13/sections.h"
#include "quillmere13/vector.h"

namespace q13 {
namespace {

using console::print;
using Int = std::int64_t;
using Strings = std::vector<std::string>;

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

void section10() {
  const Vector<Int> v{1, 2};
  print(v == Vector<Int>{1, 3});
  print(v == Vector<Int>{1, 2});
}

void section11() {
  const auto gps1 = std::make_shared<GPSPoint<float>>(35.7004f, 139.77217f);
  const auto gps2 = std::make_shared<GPSPoint<float>>(35.7004f, 139.77217f);
  print(gps2);
  print(gps1 == gps2);
  const auto castle1 = std::make_shared<ViewPoint>("松本城", 36.238064, 137.968457);
  const auto castle2 = std::make_shared<ViewPoint>("松本城", 36.238064, 137.968457);
  print(castle2);
  print(castle1 == castle2);
}

void section12() {
  print(std::pair{std::vector<Int>{1107, 5210}, Strings{"塔", "工房"}});
  auto numbers = std::vector<double>{0.138, 1.09, 0.0, -1.1304};
  std::ranges::sort(numbers);
  print(numbers);
  auto words = Strings{"palm", "top", "tiger"};
  std::ranges::sort(words);
  print(words);
  const std::vector<std::pair<std::string, Int>> weapons{{"Sword", 32}, {"Bougan", 26}};
  print(weapons.front());
}

}  // namespace q13
