#include "console/format.h"

#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

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

namespace {

using detail::Arg;

// An integer conversion's argument as a 64-bit integer (a floating value is truncated, as a cast does).
long long integer_of(const Arg& argument) {
  switch (argument.tag) {
    case Arg::Tag::signed_integer:
      return argument.signed_integer;
    case Arg::Tag::unsigned_integer:
      return static_cast<long long>(argument.unsigned_integer);
    case Arg::Tag::float64:
      return static_cast<long long>(argument.float64);
    case Arg::Tag::float32:
      return static_cast<long long>(argument.float32);
    default:
      break;
  }
  format_misuse("an integer conversion was given a text");
}

unsigned long long unsigned_of(const Arg& argument) {
  return argument.tag == Arg::Tag::unsigned_integer ? argument.unsigned_integer
                                                    : static_cast<unsigned long long>(integer_of(argument));
}

double floating_of(const Arg& argument) {
  switch (argument.tag) {
    case Arg::Tag::float64:
      return argument.float64;
    case Arg::Tag::float32:
      return argument.float32;
    case Arg::Tag::signed_integer:
      return static_cast<double>(argument.signed_integer);
    case Arg::Tag::unsigned_integer:
      return static_cast<double>(argument.unsigned_integer);
    default:
      break;
  }
  format_misuse("a floating conversion was given a text");
}

}  // namespace

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

namespace detail {

std::string format_args(std::string_view format, std::span<const Arg> arguments) {
  std::string out;
  std::size_t next = 0;
  const auto take = [&]() -> const Arg& {
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
        const long long value = integer_of(take());
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
        append_printf(out, directive + "ll" + conversion, integer_of(take()));
        break;
      case 'u':
      case 'o':
      case 'x':
      case 'X':
        append_printf(out, directive + "ll" + conversion, unsigned_of(take()));
        break;
      case 'c': {
        std::string scalar;
        append_utf8(scalar, static_cast<char32_t>(integer_of(take())));
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
        append_printf(out, directive + conversion, floating_of(take()));
        break;
      case 's': {
        const Arg& argument = take();
        if (argument.tag != Arg::Tag::text) format_misuse("%s needs a text");
        append_printf(out, directive + 's', std::string(argument.text).c_str());
        break;
      }
      default:
        format_misuse(std::string("unsupported conversion %") + conversion);
    }
    i = j;
  }
  return out;
}

}  // namespace detail

}  // namespace console
