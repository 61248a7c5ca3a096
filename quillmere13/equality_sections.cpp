// Sections 10-12: equality of generic values, identity of objects, sorting assorted collections.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "console/print.h"
#include "quillmere13/classes.h"
#include "quillmere13/sections.h"
#include "quillmere13/vector.h"

namespace q13 {
namespace {

using console::print;

}  // namespace

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
