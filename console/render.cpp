#include "console/render.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <system_error>

#include <unistd.h>

namespace console {

namespace {

std::string& program_name() {
  static std::string name = "main";
  return name;
}

// The first error seen while writing to stdout; errno is long gone by the time the program exits.
int stdout_error = 0;

void report_stdout_failure_at_exit() {
  if (std::fflush(stdout) != 0 && stdout_error == 0) stdout_error = errno;
  if (stdout_error == 0 && std::ferror(stdout)) stdout_error = EIO;
  if (stdout_error != 0) {
    report_error("error writing to standard output", stdout_error);
    // The status the program asked for would report success; a failed write must not.
    _exit(1);
  }
}

}  // namespace

void start_program(std::string_view name) {
  static bool registered = false;
  program_name() = std::string(name);
  if (!registered) {
    registered = true;
    std::atexit(report_stdout_failure_at_exit);
  }
}

std::string_view module_name() {
  return program_name();
}

void report_error(std::string_view what, int error) {
  std::fprintf(stderr, "%s: %.*s: %s\n", program_name().c_str(), static_cast<int>(what.size()), what.data(),
               std::strerror(error));
  std::fflush(stderr);
}

namespace detail {

void write_stdout(std::string_view text) {
  if (text.empty()) return;
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() && stdout_error == 0) {
    stdout_error = errno != 0 ? errno : EIO;
  }
}

void append_text(std::string& out, std::string_view text, Mode mode) {
  if (mode == Mode::plain) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\0':
        out += "\\0";
        break;
      default:
        out += c;
    }
  }
  out += '"';
}

namespace {

// Lays out the shortest round-trip digits of a finite value: as a plain decimal with at least one digit
// after the point while 0.0001 <= |value| <= plain_limit (and for zero), otherwise in exponent form with
// at least two exponent digits.
template <class F>
void append_finite(std::string& out, F value, F plain_limit) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
  // scientific is "[-]d[.ddd]e[+-]xx"
  const auto e = scientific.find('e');
  std::string_view mantissa = scientific.substr(0, e);
  int exponent = 0;
  std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+' ? 1 : 0),
                  scientific.data() + scientific.size(), exponent);
  const bool negative = mantissa.front() == '-';
  if (negative) mantissa.remove_prefix(1);
  std::string digits;
  for (const char c : mantissa) {
    if (c != '.') digits += c;
  }

  if (negative) out += '-';
  const F magnitude = std::fabs(value);
  const bool plain = magnitude == 0 || (magnitude >= F(0.0001) && magnitude <= plain_limit);
  if (plain) {
    if (exponent >= 0) {
      const auto whole = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
        out += ".0";
      } else {
        out.append(digits, 0, whole);
        out += '.';
        out.append(digits, whole);
      }
    } else {
      out += "0.";
      out.append(static_cast<std::size_t>(-exponent - 1), '0');
      out += digits;
    }
  } else {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1);
    }
    out += 'e';
    out += exponent < 0 ? '-' : '+';
    const int absolute = exponent < 0 ? -exponent : exponent;
    if (absolute < 10) out += '0';
    out += std::to_string(absolute);
  }
}

template <class F>
void append_any(std::string& out, F value, F plain_limit) {
  if (std::isnan(value)) {
    out += "nan";
  } else if (std::isinf(value)) {
    out += value < 0 ? "-inf" : "inf";
  } else {
    append_finite(out, value, plain_limit);
  }
}

}  // namespace

void append_float(std::string& out, double value) {
  append_any(out, value, 0x1p54);
}
void append_float(std::string& out, float value) {
  append_any(out, value, 0x1p24f);
}

}  // namespace detail

namespace {
// A format that does not fit its arguments is a logic error of the caller: stop, as an index out of range
// does.
[[noreturn]] void format_misuse(const std::string& why) {
  std::fprintf(stderr, "%s: %s\n", program_name().c_str(), why.c_str());
  std::abort();
}

}  // namespace

// ---- format --------------------------------------------------------------------------------------------

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
  format_misuse("format: an integer conversion was given a text");
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
  format_misuse("format: a floating conversion was given a text");
}

namespace {

template <class... Args>
void append_printf(std::string& out, const std::string& directive, Args... args) {
  const int length = std::snprintf(nullptr, 0, directive.c_str(), args...);
  if (length < 0) format_misuse("format: bad conversion " + directive);
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
    if (next >= arguments.size()) format_misuse("format: too few arguments");
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
    const auto copy_number = [&] {
      if (j < format.size() && format[j] == '*') {
        directive += std::to_string(take().integer());
        ++j;
      }
      while (j < format.size() && format[j] >= '0' && format[j] <= '9') directive += format[j++];
    };
    copy_number();
    if (j < format.size() && format[j] == '.') {
      directive += format[j++];
      copy_number();
    }
    while (j < format.size() && std::strchr("hljztLq", format[j]) != nullptr) ++j;
    if (j >= format.size()) format_misuse("format: incomplete conversion");
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
        if (argument.kind() != FormatArgument::Kind::text) format_misuse("format: %s needs a text");
        append_printf(out, directive + 's', argument.text().c_str());
        break;
      }
      default:
        format_misuse(std::string("format: unsupported conversion %") + conversion);
    }
    i = j;
  }
  return out;
}

}  // namespace console
