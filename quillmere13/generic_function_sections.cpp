// Sections 1-6: generic functions and operators, protocols with associated types, generic constraints.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "console/checked.h"
#include "console/print.h"
#include "console/type_name.h"
#include "console/utf8.h"
#include "quillmere13/classes.h"
#include "quillmere13/generics.h"
#include "quillmere13/sections.h"
#include "quillmere13/time.h"

namespace q13 {
namespace {

using console::print;

}  // namespace

void section1() {
  std::string a = "AIZ";
  std::string b = "bell";
  mySwap(b, a);
  print(console::cat("a=", a, ", b=", b));
  const std::pair<Int, Int> s{100, 50};
  const std::pair<Int, Int> t{1, 2};
  print(console::cat("s=", s, ", t=", t));
  const std::tuple<std::pair<Int, Int>, Int, std::pair<Int, Int>> nested{{88, 108}, 9, {2, 3}};
  print(nested);
}

void section2() {
  const std::unordered_map<std::string, Int> status{{"レベル", 60}, {"特技", 10}};
  const std::unordered_map<std::string, Int> number{{"番号", 1}};
  const auto merged = status + number;
}

void section3() {
  print(Time(12, 0));
  print(Time2(12, 0));
}

void section4() {
  const Strings words{"red", "hot", "eye", "flame", "haze"};
  print(rank("eye", words));
  print(rank("hair", words));
  print(rank("xanadu", words));
  const std::unordered_set<double> values{0.57, 1.13, -0.27, 3.4};
  print(rank(1.0, values));
  print(rank(console::Character(U'イ'), console::characters("アレキサンドライト")));
}

void section5() {
  const std::vector<std::optional<Int>> numbers(3);
  print(numbers);
  print(console::type_of(numbers));
  std::vector<std::optional<std::string>> names(2);
  names.emplace_back("彼方");
  print(names);
  print(console::type_of(names));
}

void section6() {
  const auto first = littler(std::make_shared<Alpha>(100), std::make_shared<Beta>(5));
  print("Littler:", first->name, first->value);
  littler(std::make_shared<Beta>(0), std::make_shared<Beta>(51));
  // littler hands back an Alpha; the object is a Beta, so the downcast succeeds.
  const auto beta =
      console::forced_cast<Beta>(littler(std::make_shared<Beta>(0), std::make_shared<Beta>(51)));
  print("Littler:", beta->name, beta->value, beta->sub);
  print("------");
  const auto second = smaller<Alpha>(std::make_shared<Alpha>(100), std::make_shared<Beta>(5));
  print("Smaller:", second->name, second->value);
  const auto third = smaller(std::make_shared<Beta>(1), std::make_shared<Beta>(18));
  print("Smaller:", third->name, third->value, third->sub);
}

}  // namespace q13
