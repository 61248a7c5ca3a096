#include "console/format.h"

#include <cstdio>
#include <cstring>

#include "console/program.h"
#include "console/utf8.h"

namespace console {

namespace {

// A format that does not fit its arguments is a logic error of the caller: stop, as an index out of range
// does.
[[noreturn]] void format_misuse(const std::string& why) {
  fail("format: " + why);
}

}  // namespace

long long FormatArgument::integer() const {
  switch (kind_) {
    case Kind::signed_integer:
      return integer_;
    case Kind::unsigned_integer:
      return static_cast<long long>(unsigned_);
    case Kind::floating:
      return static_cast<long long>(floating_);
    case Kind::text:
      break;
  }
  format_misuse("an integer conversion was given a text");
}

unsigned long long FormatArgument::unsigned_integer() const {
  return kind_ == Kind::unsigned_integer ? unsigned_ : static_cast<unsigned long long>(integer());
}

double FormatArgument::floating() const {
  switch (kind_) {
    case Kind::floating:
      return floating_;
    case Kind::signed_integer:
      return static_cast<double>(integer_);
    case Kind::unsigned_integer:
      return static_cast<double>(unsigned_);
    case Kind::text:
      break;
  }
  format_misuse("a floating conversion was given a text");
}

namespace {

template <class... Args>
void append_printf(std::string& out, const std::string& directive, Args... args) {
  const int length = std::snprintf(nullptr, 0, directive.c_str(), args...);
  if (length < 0) format_misuse("bad conversion " + directive);
  const auto start = out.size();
  out.resize(start + static_cast<std::size_t>(length) + 1);
  std::snprintf(out.data() + start, static_cast<std::size_t>(length) + 1, directive.c_str(), args...);
  out.resize(start + static_cast<std::size_t>(length));
}

}  // namespace

std::string format_list(std::string_view format, const std::vector<FormatArgument>& arguments) {
  std::string out;
  std::size_t next = 0;
  const auto take = [&]() -> const FormatArgument& {
    if (next >= arguments.size()) format_misuse("too few arguments");
    return arguments[next++];
  };
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out += format[i];
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    // Flags, width and precision are kept; length modifiers are replaced by the argument's own.
    std::string directive = "%";
    std::size_t j = i + 1;
    while (j < format.size() && std::strchr("-+ #0", format[j]) != nullptr) directive += format[j++];
    const auto copy_number = [&](bool precision) {
      if (j < format.size() && format[j] == '*') {
        const long long value = take().integer();
        ++j;
        // As in C, a negative "*" precision counts as none; a negative width reads as the '-' flag.
        if (precision && value < 0) {
          directive.pop_back();
        } else {
          directive += std::to_string(value);
        }
      }
      while (j < format.size() && format[j] >= '0' && format[j] <= '9') directive += format[j++];
    };
    copy_number(false);
    if (j < format.size() && format[j] == '.') {
      directive += format[j++];
      copy_number(true);
    }
    while (j < format.size() && std::strchr("hljztLq", format[j]) != nullptr) ++j;
    if (j >= format.size()) format_misuse("incomplete conversion");
    const char conversion = format[j];
    switch (conversion) {
      case 'd':
      case 'i':
        append_printf(out, directive + "ll" + conversion, take().integer());
        break;
      case 'u':
      case 'o':
      case 'x':
      case 'X':
        append_printf(out, directive + "ll" + conversion, take().unsigned_integer());
        break;
      case 'c': {
        std::string scalar;
        append_utf8(scalar, static_cast<char32_t>(take().integer()));
        append_printf(out, directive + 's', scalar.c_str());
        break;
      }
      case 'f':
      case 'F':
      case 'e':
      case 'E':
      case 'g':
      case 'G':
      case 'a':
      case 'A':
        append_printf(out, directive + conversion, take().floating());
        break;
      case 's': {
        const FormatArgument& argument = take();
        if (argument.kind() != FormatArgument::Kind::text) format_misuse("%s needs a text");
        append_printf(out, directive + 's', argument.text().c_str());
        break;
      }
      default:
        format_misuse(std::string("unsupported conversion %") + conversion);
    }
    i = j;
  }
  return out;
}

}  // namespace console
