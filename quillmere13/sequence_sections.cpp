// Sections 22-25: reversed and enumerated sequences, printing into a text.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <ranges>
#include <string>
#include <utility>
#include <vector>

#include "console/engine.h"
#include "console/print.h"
#include "console/type_name.h"
#include "quillmere13/scalar.h"
#include "quillmere13/sections.h"
#include "quillmere13/sequences.h"

namespace q13 {
namespace {

using console::print;

}  // namespace

void section22() {
  const Strings names{"種島", "佐藤", "山田", "小鳥遊"};
  const auto view = reversed(names);
  const auto array = to_vector(view);
  print(console::type_of(view));
  print(view);
  print(console::type_of(array));
  print(array);
}

void section23() {
  std::string text;
  for (const Int code : {21335, 26607, 12398, 22818}) {
    console::print_to(text, {.terminator = ""}, console::cat("[", scalar(code), "] "));
  }
  print(text);
}

void section24() {
  for (const auto& pair : enumerated(Strings{"村上", "橘", "若林"})) print(pair);
}

// Each name's place in alphabetical order: sort by name, remember the sorted places, then restore the
// input order by the offsets the names came with.
void section25() {
  const Strings names{"ひかり", "いろは", "あやね", "ここあ", "あかり"};
  for (int round = 0; round < 2; ++round) {
    auto alphabetical = to_vector(enumerated(names));
    std::ranges::sort(alphabetical, std::less{}, element);
    auto places = to_vector(enumerated(alphabetical));
    std::ranges::sort(places, std::less{}, [](const auto& place) { return offset(element(place)); });
    print(to_vector(places | std::views::transform([](const auto& place) {
                      return std::pair{offset(place), element(element(place))};
                    })));
  }
}

}  // namespace q13
