// Quillmere13: generic functions and operators, protocols with associated types, generic value types and
// classes, the standard collection algorithms driven by small functions, and a word count over a text file.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <numeric>
#include <optional>
#include <ranges>
#include <string>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "console/checked.h"
#include "console/engine.h"
#include "console/print.h"
#include "console/program.h"
#include "console/type_name.h"
#include "console/utf8.h"
#include "quillmere13/classes.h"
#include "quillmere13/generics.h"
#include "quillmere13/grading.h"
#include "quillmere13/pick_forever.h"
#include "quillmere13/reply.h"
#include "quillmere13/sequences.h"
#include "quillmere13/time.h"
#include "quillmere13/vector.h"
#include "quillmere13/word_count.h"
#include "quillmere13/word_reader.h"

namespace {

using namespace q13;
using console::print;
using Int = std::int64_t;
using Strings = std::vector<std::string>;

// A code point as a character; every code point the sections use is a valid scalar, so anything else is a
// logic error that stops the program.
console::Character scalar(Int code) {
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    console::fail(console::cat("not a Unicode scalar: ", code));
  }
  return console::Character(static_cast<char32_t>(code));
}

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
  [[maybe_unused]] const auto merged = status + number;
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
  [[maybe_unused]] const auto tall_pairs =
      to_vector(heights | std::views::filter(tall) |
                std::views::transform([](const auto& entry) { return std::pair<std::string, Int>(entry); }));
}

void section15() {
  const std::vector<double> inches{12.0, 13.0, 15.0, 21.5, 27.0};
  const auto to_cm = [](double inch) { return inch * 2.54; };
  print(to_vector(inches | std::views::transform(to_cm)));
  print(to_vector(inches | std::views::transform(to_cm) |
                  std::views::filter([](double cm) { return cm < 50.0; })));
  print("------");
}

// Three transforms of dictionaries whose results are kept but not printed, then one value.
void section16() {
  using Points = std::unordered_map<std::string, Int>;
  const std::vector<Int> thresholds{90, 80, 70, 60};
  const Grading grading(thresholds, {"秀", "優", "良", "可", "不可"});

  // Each value mapped to its grade: {"晴信": "可", "香子": "不可", "あかり": "秀", "零": "良"}.
  const Points points{{"晴信", 68}, {"香子", 52}, {"あかり", 90}, {"零", 75}};
  std::unordered_map<std::string, std::string> report;
  std::ranges::transform(points, std::inserter(report, report.end()), [&grading](const auto& entry) {
    return std::pair{entry.first, grading.grade(entry.second)};
  });

  // The names whose value is at least 60: 晴信, あかり and 零.
  const Points points2{{"晴信", 68}, {"香子", 52}, {"あかり", 90}, {"零", 75}};
  [[maybe_unused]] const auto passed = to_vector(
      points2 | std::views::filter([](const auto& entry) { return entry.second >= 60; }) | std::views::keys);

  // Everyone who comes, flattened from the replies: 那由多 伊月, 政宗, 遥 秋穂 (entries in any order).
  const std::unordered_map<std::string, Reply> replies{{"那由多", Reply::attendWith("伊月")},
                                                       {"夢子", Reply::notAttend()},
                                                       {"政宗", Reply::attend()},
                                                       {"遥", Reply::attendWith("秋穂")}};
  const auto who_comes = [](const auto& entry) { return attendees(entry.first, entry.second); };
  [[maybe_unused]] const auto guests =
      to_vector(replies | std::views::transform(who_comes) | std::views::join);

  // The span of the passing thresholds.
  print(thresholds.front() - thresholds.back());
}

void section17() {
  const std::vector<Int> codes{24618, 21147, 20081, 31070};
  print(std::accumulate(codes.begin(), codes.end(), std::string("*"),
                        [](std::string text, Int code) { return console::cat(text, scalar(code), "*"); }));
}

void section18() {
  const std::unordered_map<std::string, Int> scores{{"池沢", 82}, {"小磯", 78}, {"篠原", 82}, {"陣内", 64}};
  print(std::accumulate(scores.begin(), scores.end(), Int{0},
                        [](Int best, const auto& entry) { return std::max(best, entry.second); }));
  // The first of equal maxima wins, as with max(by:).
  [[maybe_unused]] const auto top =
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
  [[maybe_unused]] const auto third =
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
      // Both stay below 10000, and a 32-bit division costs a fraction of a 64-bit one: this loop is most
      // of what the program does before its last section.
      if (static_cast<std::uint32_t>(n) % static_cast<std::uint32_t>(p) == 0) {
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

struct Profile {
  std::string name;
  std::string kana;
  Int height;
};

void section21() {
  const std::vector<Profile> table{{"島村", "しまむら", 159},
                                   {"緒方", "おがた", 153},
                                   {"前川", "まえかわ", 152},
                                   {"新田", "にった", 165},
                                   {"神崎", "かんざき", 156}};
  auto by_height = table;
  std::ranges::sort(by_height, [](const Profile& a, const Profile& b) { return a.height < b.height; });
  print(to_vector(by_height | std::views::transform(&Profile::name)));
  auto positions = to_vector(std::views::iota(Int{0}, std::ssize(table)));
  std::ranges::sort(positions, [&table](Int a, Int b) {
    return table[static_cast<std::size_t>(a)].kana < table[static_cast<std::size_t>(b)].kana;
  });
  print(positions);
  print(to_vector(positions | std::views::transform(
                                  [&table](Int i) { return table[static_cast<std::size_t>(i)].kana; })));
  print("------");
}

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
  const auto input_offset = [](const auto& place) {
    const auto& [position, entry] = place;
    const auto& [offset, name] = entry;
    return offset;
  };
  const auto position_and_name = [](const auto& place) {
    const auto& [position, entry] = place;
    const auto& [offset, name] = entry;
    return std::pair{position, name};
  };
  {
    auto alphabetical = to_vector(enumerated(names));
    std::ranges::sort(alphabetical, [](const auto& a, const auto& b) {
      const auto& [offset_a, name_a] = a;
      const auto& [offset_b, name_b] = b;
      return name_a < name_b;
    });
    auto places = to_vector(enumerated(alphabetical));
    std::ranges::sort(places,
                      [&](const auto& a, const auto& b) { return input_offset(a) < input_offset(b); });
    print(to_vector(places | std::views::transform(position_and_name)));
  }
  {
    // The same ordering, written with projections instead of comparators.
    auto alphabetical = to_vector(enumerated(names));
    std::ranges::sort(alphabetical, std::less{}, [](const auto& entry) -> const std::string& {
      const auto& [offset, name] = entry;
      return name;
    });
    auto places = to_vector(enumerated(alphabetical));
    std::ranges::sort(places, std::less{}, input_offset);
    print(to_vector(places | std::views::transform(position_and_name)));
  }
}

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

constexpr const char* word_file = "Quillmere01.Start.cpp";

// A reader that stopped on a read error rather than at the end: one line on stderr, and a failure status.
bool read_failed(const WordReader& reader) {
  if (reader.readError() == 0) return false;
  console::report_error(console::cat(word_file, ": read error"), reader.readError());
  return true;
}

// Returns the program's exit status.
int section30() {
  {
    const auto reader = WordReader::open(word_file);
    if (!reader) {
      print("ファイルがオープンできません");
      return EXIT_SUCCESS;
    }
    auto first = reader->getWord();
    if (!first) return read_failed(*reader) ? EXIT_FAILURE : EXIT_SUCCESS;
    WordList words = lowercased_words(std::move(*first), *reader);
    if (read_failed(*reader)) return EXIT_FAILURE;
    const WordCounts counts = tally(std::move(words));
    [[maybe_unused]] const auto ranking = by_count(counts);
  }
  const auto reader = WordReader::open(word_file);
  if (!reader) {
    print("ファイルがオープンできません");
    return EXIT_SUCCESS;
  }
  const WordCounts counts = count_lowercased(*reader);
  if (read_failed(*reader)) return EXIT_FAILURE;
  [[maybe_unused]] const auto ranking = by_count(counts);
  return EXIT_SUCCESS;
}

}  // namespace

int main() {
  console::start_program("Quillmere13");
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
  section13();
  section14();
  section15();
  section16();
  section17();
  section18();
  section19();
  section20();
  section21();
  section22();
  section23();
  section24();
  section25();
  section26();
  section27();
  section28();
  section29();
  return section30();
}
