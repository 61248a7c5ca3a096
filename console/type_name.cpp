#include "console/type_name.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace console {

namespace detail {

std::string spell(NameShape shape, std::initializer_list<std::string> arguments) {
  std::string joined;
  for (const std::string& argument : arguments) {
    if (!joined.empty()) joined += ", ";
    joined += argument;
  }
  switch (shape) {
    case NameShape::boolean:
      return "Bool";
    case NameShape::text:
      return "String";
    case NameShape::character:
      return "Character";
    case NameShape::float64:
      return "Double";
    case NameShape::float32:
      return "Float";
    case NameShape::array:
      return "Array<" + joined + ">";
    case NameShape::set:
      return "Set<" + joined + ">";
    case NameShape::dictionary:
      return "Dictionary<" + joined + ">";
    case NameShape::optional:
      return "Optional<" + joined + ">";
    case NameShape::tuple:
      return "(" + joined + ")";
    case NameShape::metatype:
      return joined + ".Type";
  }
  return joined;
}

std::string integer_name(bool is_signed, std::size_t bits) {
  std::string name = is_signed ? "Int" : "UInt";
  if (bits != 64) name += std::to_string(bits);
  return name;
}

}  // namespace detail

namespace {

using detail::NameShape;

// A type as the run time spells it: a qualified name, its template arguments, and what follows them
// (" const", "*").
struct Spelling {
  std::string_view name;
  std::vector<std::string_view> arguments;
  std::string_view suffix;
};

std::string_view trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

Spelling parse(std::string_view text) {
  text = trim(text);
  const auto open = text.find('<');
  if (open == std::string_view::npos) {
    const auto star = text.find_first_of("*&");
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
        spelling.arguments.push_back(trim(text.substr(start, i - start)));
        spelling.suffix = trim(text.substr(i + 1));
        break;
      }
    } else if (c == ',' && depth == 1) {
      spelling.arguments.push_back(trim(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  return spelling;
}

struct Fundamental {
  std::string_view spelled;
  bool is_signed;
  std::size_t bits;
};

// The integers as the run time (and GCC's signatures) spell them.
constexpr Fundamental integers[] = {
    {"signed char", true, 8},
    {"unsigned char", false, 8},
    {"short", true, sizeof(short) * 8},
    {"short int", true, sizeof(short) * 8},
    {"unsigned short", false, sizeof(short) * 8},
    {"short unsigned int", false, sizeof(short) * 8},
    {"int", true, sizeof(int) * 8},
    {"unsigned int", false, sizeof(int) * 8},
    {"long", true, sizeof(long) * 8},
    {"long int", true, sizeof(long) * 8},
    {"unsigned long", false, sizeof(long) * 8},
    {"long unsigned int", false, sizeof(long) * 8},
    {"long long", true, sizeof(long long) * 8},
    {"long long int", true, sizeof(long long) * 8},
    {"unsigned long long", false, sizeof(long long) * 8},
    {"long long unsigned int", false, sizeof(long long) * 8},
};

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
  const Spelling s = parse(text);
  const auto shaped = [&](NameShape shape, std::size_t count) {
    return detail::spell(shape, {translate_all(s.arguments, count)});
  };
  if (s.suffix.starts_with("const*") || s.suffix.starts_with("*") || s.suffix.starts_with("const *")) {
    if (s.name == "char" || s.name == "char const" || s.name == "const char")
      return detail::spell(NameShape::text);
  }
  if (!s.suffix.empty() && s.suffix != "const") return std::string(text);  // not a type the programs name
  const std::string_view n = s.name;
  if (n == "bool") return detail::spell(NameShape::boolean);
  if (n == "double") return detail::spell(NameShape::float64);
  if (n == "float") return detail::spell(NameShape::float32);
  for (const auto& integer : integers) {
    if (n == integer.spelled) return detail::integer_name(integer.is_signed, integer.bits);
  }
  if (n == "std::__cxx11::basic_string" || n == "std::basic_string" || n == "std::basic_string_view") {
    return detail::spell(NameShape::text);
  }
  if (n == "console::Character") return detail::spell(NameShape::character);
  if (n == "std::vector" || n == "std::array") return shaped(NameShape::array, 1);
  if (n == "std::set" || n == "std::unordered_set") return shaped(NameShape::set, 1);
  if (n == "std::map" || n == "std::unordered_map") return shaped(NameShape::dictionary, 2);
  if (n == "std::optional" || n == "std::weak_ptr") return shaped(NameShape::optional, 1);
  if (n == "std::tuple" || n == "std::pair") return shaped(NameShape::tuple, s.arguments.size());
  if (n == "std::shared_ptr" && !s.arguments.empty()) return translate(s.arguments[0]);
  if (n == "console::Type") return shaped(NameShape::metatype, 1);
  std::string name(detail::bare_name(n));
  if (s.arguments.empty()) return name;
  // Any other class template: its bare name and its arguments, each by these rules (a value argument, such
  // as a number, stays as it is spelled).
  return name + "<" + translate_all(s.arguments, s.arguments.size()) + ">";
}

}  // namespace

std::string type_name(const std::type_info& type) {
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> spelled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  return translate(status == 0 && spelled ? spelled.get() : type.name());
}

}  // namespace console
