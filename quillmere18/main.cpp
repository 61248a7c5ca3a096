// Quillmere18: closures and the higher-order operations of sequences, printing into a text,
// UTF-8 decoding, C formatted output through a va_list, dictionaries, raw buffers of references,
// and the Collatz sequence.
#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <ranges>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "console/print.h"
#include "console/program.h"
#include "console/utf8.h"
#include "quillmere18/collatz.h"
#include "quillmere18/reference_buffer.h"
#include "quillmere18/sequences.h"

using console::print;

namespace {

void section1() {
  print("木下林檎");
}

void section2() {
  print("正常");
}

void section3() {
  const std::vector<std::string> first{"Dr", "A", "9"};
  const std::vector<std::string> second{"Dr", "X", "2"};
  print(std::ranges::lexicographical_compare(first, second));
}

void section4() {
  const auto is_separator = [](char16_t unit) { return unit < 64; };
  const std::u16string units = console::to_utf16("You & Me");
  std::vector<std::string> pieces;
  for (const auto& piece : q18::split(std::u16string_view(units), is_separator)) {
    pieces.push_back(console::from_utf16(piece));
  }
  print(pieces);
}

void section5() {
  const std::vector<std::string> words{"Fort", "is", "931"};
  print(q18::joined(words, std::string("-")));
}

void section6() {
  const std::vector<std::vector<std::int64_t>> lists{{1, 2}, {90, 70}, {4}};
  print(q18::joined(lists));
  print(q18::joined(lists, std::vector<std::int64_t>{0}));
}

void section7() {
  std::string text;
  for (std::int64_t i = 0; i <= 7; ++i) console::print_to(text, {.terminator = ", "}, i);
  print("\"" + text + "\"");
}

void section8() {
  const unsigned char bytes[] = {0xE8, 0x9D, 0xB8, 0xE7, 0x89, 0x9B, 0xF0, 0x9F, 0x90, 0x8C};
  std::size_t position = 0;
  while (const auto scalar = console::decode_one(bytes, position)) {
    print({.terminator = "-"}, console::Character(*scalar));
  }
  print();
}

// Hands its own variable arguments to vprintf, which writes into the same buffered stdout as print.
void print_formatted(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::vprintf(format, arguments);
  va_end(arguments);
}

void section9() {
  print_formatted("%04d, %.3lf, %c\n", 12, 3.1415926, 65);
}

void section10() {
  print(std::vector<std::int64_t>{1, 2, 3});
  const std::vector<std::int64_t> a{0, 1};
  print(q18::concatenated(a, std::vector<std::int64_t>{5, 6}, a));
  std::vector<std::int64_t> seven_to_ten;
  std::ranges::copy(std::views::iota(std::int64_t{7}, std::int64_t{10}), std::back_inserter(seven_to_ten));
  print(q18::concatenated(seven_to_ten, a));
}

// Computations without output: grouping and merging dictionaries, and raw buffers of references.
void section11() {
  const std::vector<std::string> names{"YUI", "Shizuka", "saki", "yukino", "IROHA"};
  // Keyed by the first character in upper case. Only the ASCII letters a to z change case (every name here
  // is ASCII); any other first character is its own key.
  [[maybe_unused]] const auto by_initial = q18::grouped(names, q18::ascii_upper_initial);

  const std::map<std::string, std::int64_t> first{{"遠山", 6}, {"八神", 8}, {"飯島", 1}};
  const std::map<std::string, std::int64_t> second{{"神崎", 7}, {"遠山", 3}};
  [[maybe_unused]] const auto merged = q18::merging(first, second, std::plus<>{});

  std::map<std::string, std::int64_t> scores{{"遠山", 1000}, {"八神", 790}, {"飯島", 900}};
  const std::vector<std::pair<std::string, std::int64_t>> updates{{"神崎", 2500}, {"遠山", 1200}};
  q18::merge(scores, updates, [](std::int64_t old, std::int64_t updated) { return std::max(old, updated); });

  {
    using q18::first_vamp::Vamp;
    q18::ReferenceBuffer<Vamp> buffer(4);
    buffer.initialize(1, 4, std::make_shared<Vamp>(9));
    std::make_shared<Vamp>(20);  // made and dropped at once
    buffer.initialize(0, std::make_shared<Vamp>(25));
    buffer.deinitialize();
  }
  {
    using q18::second_vamp::Vamp;
    auto v0 = std::make_shared<Vamp>(0);
    auto v1 = std::make_shared<Vamp>(1);
    auto v2 = std::make_shared<Vamp>(2);
    auto v3 = std::make_shared<Vamp>(3);
    q18::ReferenceBuffer<Vamp> buffer(4);
    buffer.initialize(1, 4, std::make_shared<Vamp>(9));
    buffer.initialize(0, std::make_shared<Vamp>(20));
    v1.reset();
    v0.reset();
    buffer.assign(1, v2);  // slot 1 lets go of the Vamp of 9
    buffer.deinitialize();
  }
}

void section12() {
  for (std::int64_t start = 3; start <= 20; ++start) q18::collatz(start);
}

}  // namespace

int main() {
  console::start_program("Quillmere18");
  section1();
  section2();
  section3();
  section4();
  section5();
  section6();
  section7();
  section8();
  section9();
  section10();
  section11();
  section12();
  return 0;
}
