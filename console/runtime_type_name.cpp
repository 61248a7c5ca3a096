// The names of types known only at run time: the run time's spelling of a type translated into the name
// type_name<T>() gives it, by the shapes that the kinds give the standard templates.
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <deque>
#include <forward_list>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <typeinfo>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#if __has_include(<cxxabi.h>)
#include <cxxabi.h>
#endif

#include "console/program.h"
#include "console/type_name.h"
#include "console/values.h"

namespace console {

namespace {

using detail::NameShape;

// The run time's spelling of a type: the demangled name where the ABI mangles names, else the name itself.
std::string spelled(const std::type_info& type) {
#if __has_include(<cxxabi.h>)
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  if (status == 0 && demangled) return demangled.get();
#endif
  return type.name();
}

std::string_view trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// A spelling without what does not name the type: blanks at either end, a leading "class " or "struct " (some
// run times spell the kind), and const (const T is named as T).
std::string_view without_keywords(std::string_view text) {
  text = trim(text);
  for (const std::string_view keyword : {"class ", "struct ", "enum ", "union ", "const "}) {
    if (text.starts_with(keyword)) return without_keywords(text.substr(keyword.size()));
  }
  if (text.ends_with(" const")) return without_keywords(text.substr(0, text.size() - 6));
  return text;
}

// Blanks kept only between two words ("unsigned int"), so that "> >" and ">>" compare alike.
std::string compact(std::string_view text) {
  const auto word = [](char c) { return c == '_' || std::isalnum(static_cast<unsigned char>(c)) != 0; };
  text = without_keywords(text);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ' && !(i > 0 && word(text[i - 1]) && i + 1 < text.size() && word(text[i + 1]))) continue;
    out += text[i];
  }
  return out;
}

// A type as the run time spells it: a qualified name, its template arguments, and what follows them
// ("*", "&", "[3]").
struct Spelling {
  std::string_view name;
  std::vector<std::string_view> arguments;
  std::string_view suffix;
};

Spelling parse(std::string_view text) {
  text = without_keywords(text);
  const auto open = text.find('<');
  if (open == std::string_view::npos) {
    const auto star = text.find_first_of("*&[");
    if (star == std::string_view::npos) return {text, {}, {}};
    return {trim(text.substr(0, star)), {}, text.substr(star)};
  }
  Spelling spelling{text.substr(0, open), {}, {}};
  int depth = 0;
  std::size_t start = open + 1;
  for (std::size_t i = open; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '<' || c == '(') {
      ++depth;
    } else if (c == '>' || c == ')') {
      if (--depth == 0) {
        if (i > start) spelling.arguments.push_back(without_keywords(text.substr(start, i - start)));
        spelling.suffix = trim(text.substr(i + 1));
        break;
      }
    } else if (c == ',' && depth == 1) {
      spelling.arguments.push_back(without_keywords(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  return spelling;
}

// How a standard class template is named: its shape, and how many of its arguments the name shows.
struct TemplateRule {
  std::string spelled;
  NameShape shape;
  std::size_t count;
};

// A class for the samples of references, which refer to objects of classes.
struct Sample {};

// The standard vocabulary as this run time spells it, taken from the types themselves, so that no library's
// spelling is written here: each whole spelling with the name type_name<T>() gives it (empty for a type that
// has none), and each template by the spelling of one of its instances, with the shape that the kinds give
// that instance at compile time.
struct Vocabulary {
  std::vector<std::pair<std::string, std::string>> names;
  std::vector<TemplateRule> templates;

  template <class... Ts>
  void add_names() {
    (names.emplace_back(compact(spelled(typeid(Ts))), type_name<Ts>()), ...);
  }
  template <class... Ts>
  void add_unnamed() {
    static_assert(!(Named<Ts> || ...));
    (names.emplace_back(compact(spelled(typeid(Ts))), std::string()), ...);
  }
  template <class... Instances>
  void add_templates() {
    (add_template<Instances>(), ...);
  }
  template <class Instance>
  void add_template() {
    constexpr NameShape shape = detail::name_shape<Instance>();
    static_assert(shape != NameShape::none && shape != NameShape::own);
    templates.push_back(
        {std::string(parse(spelled(typeid(Instance))).name), shape, detail::arguments_shown(shape)});
  }
};

const Vocabulary& vocabulary() {
  static const Vocabulary table = [] {
    Vocabulary v;
    v.add_names<bool, double, float, signed char, unsigned char, short, unsigned short, int, unsigned, long,
                unsigned long, long long, unsigned long long, std::string, std::string_view, const char*,
                char*, Character, Void>();
    // The scalars that type_name<T>() refuses: a character type is no integer, and no text either.
    v.add_unnamed<char, wchar_t, char8_t, char16_t, char32_t, long double, void, std::nullptr_t>();
    v.add_templates<std::vector<int>, std::array<int, 1>, std::deque<int>, std::list<int>,
                    std::forward_list<int>, std::span<int>, std::set<int>, std::multiset<int>,
                    std::unordered_set<int>, std::unordered_multiset<int>, std::map<int, int>,
                    std::multimap<int, int>, std::unordered_map<int, int>, std::unordered_multimap<int, int>,
                    std::optional<int>, std::weak_ptr<Sample>, std::shared_ptr<Sample>, std::tuple<int>,
                    std::pair<int, int>, Labeled<int>, Type<int>>();
    return v;
  }();
  return table;
}

// What type_name<T>() refuses at compile time has no name at run time either.
[[noreturn]] void no_name(std::string_view text) {
  fail("no printable name for the type " + std::string(text));
}

std::string translate(std::string_view text);

std::string translate_all(const std::vector<std::string_view>& arguments, std::size_t count) {
  std::string joined;
  for (std::size_t i = 0; i < count && i < arguments.size(); ++i) {
    if (i > 0) joined += ", ";
    joined += translate(arguments[i]);
  }
  return joined;
}

std::string translate(std::string_view text) {
  const Vocabulary& v = vocabulary();
  const std::string whole = compact(text);
  for (const auto& [spelling, name] : v.names) {
    if (spelling != whole) continue;
    if (name.empty()) no_name(text);
    return name;
  }
  const Spelling s = parse(text);
  // A pointer other than a C string, a reference, an array.
  if (!s.suffix.empty()) no_name(text);
  for (const TemplateRule& rule : v.templates) {
    if (rule.spelled != s.name) continue;
    if (rule.shape == NameShape::reference) return translate_all(s.arguments, 1);
    return detail::spell(rule.shape, {translate_all(s.arguments, rule.count)});
  }
  // Any other standard template has no name (type_name<T>() asks the class for one).
  if (!s.arguments.empty() && s.name.starts_with("std::")) no_name(text);
  const std::string_view bare = detail::bare_name(s.name);
  // A function type and the like: no class.
  if (bare.find_first_of("()[") != std::string_view::npos) no_name(text);
  std::string name(bare);
  if (s.arguments.empty()) return name;
  // The program's own class template: its bare name and its arguments, each by these rules (a value
  // argument, such as a number, stays as it is spelled).
  return name + "<" + translate_all(s.arguments, s.arguments.size()) + ">";
}

}  // namespace

std::string type_name(const std::type_info& type) {
  return translate(spelled(type));
}

}  // namespace console
