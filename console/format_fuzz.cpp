// Fuzz target: format against the C library's snprintf. The input builds a format of literal text and
// conversions (flags, width and precision, "*" included, any length modifier) with fitting arguments; the
// expected text is what snprintf makes of each piece with C's own argument types.
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/format.h"
#include "testing/fuzz_support.h"

namespace {

template <class... Args>
std::string c_format(const std::string& directive, Args... args) {
  char buffer[1024];
  const int length = std::snprintf(buffer, sizeof buffer, directive.c_str(), args...);
  fuzz::require(length >= 0 && static_cast<std::size_t>(length) < sizeof buffer, "snprintf fits its buffer");
  return std::string(buffer, static_cast<std::size_t>(length));
}

// One conversion: appends what the caller writes to the format, its arguments to the list, and what C
// prints for it to the expected text.
class Conversion {
 public:
  Conversion(FuzzedDataProvider& input, std::vector<console::detail::Arg>& arguments,
             std::deque<std::string>& texts)
      : input_(input), arguments_(arguments), texts_(texts) {}

  void make(std::string& format, std::string& expected) {
    static constexpr char conversions[] = {'d', 'i', 'u', 'o', 'x', 'X', 'c', 's',
                                           'f', 'F', 'e', 'E', 'g', 'G', 'a', 'A'};
    const char conversion = input_.PickValueInArray(conversions);
    const bool is_signed = conversion == 'd' || conversion == 'i';
    const bool is_integer = is_signed || std::string_view("uoxX").find(conversion) != std::string_view::npos;
    const bool is_text = conversion == 'c' || conversion == 's';
    // Only the flags that C defines for the conversion.
    const std::string_view allowed = is_text ? "-" : is_signed ? "-+ 0" : "-+ #0";
    directive_ = "%";
    for (const char flag : allowed) {
      if (input_.ConsumeBool()) directive_ += flag;
    }
    format += directive_;
    const std::optional<int> width = number(format);
    std::optional<int> precision;
    if (conversion != 'c' && input_.ConsumeBool()) {
      format += '.';
      directive_ += '.';
      precision = number(format);
    }
    static constexpr std::string_view modifiers[] = {"", "", "h", "hh", "l", "ll", "j", "z", "t", "L", "q"};
    format += input_.PickValueInArray(modifiers);
    format += conversion;

    // snprintf with C's types: the star values as int, then the value.
    const auto expect = [&](auto value, std::string_view length) {
      const std::string c_directive = directive_ + std::string(length) + conversion;
      if (width && precision) {
        expected += c_format(c_directive, *width, *precision, value);
      } else if (width) {
        expected += c_format(c_directive, *width, value);
      } else if (precision) {
        expected += c_format(c_directive, *precision, value);
      } else {
        expected += c_format(c_directive, value);
      }
    };
    if (is_integer) {
      // Any integer goes in as 64 bits, signed or not, whatever the length modifier says.
      const auto bits = input_.ConsumeIntegral<std::uint64_t>();
      if (input_.ConsumeBool()) {
        add(static_cast<std::int64_t>(bits));
      } else {
        add(bits);
      }
      if (is_signed) {
        expect(static_cast<long long>(bits), "ll");
      } else {
        expect(static_cast<unsigned long long>(bits), "ll");
      }
    } else if (conversion == 'c') {
      // ASCII only: C's %c writes one byte, format writes wider scalars in UTF-8.
      const int scalar = input_.ConsumeIntegralInRange<int>(1, 0x7F);
      add(scalar);
      expect(scalar, "");
    } else if (conversion == 's') {
      std::string value = input_.ConsumeRandomLengthString(40);
      value = value.substr(0, value.find('\0'));  // C texts end at the first NUL
      texts_.push_back(value);
      add(texts_.back());
      expect(value.c_str(), "");
    } else {
      // Any bit pattern: infinities, NaNs and subnormals included.
      const double value = std::bit_cast<double>(input_.ConsumeIntegral<std::uint64_t>());
      add(value);
      expect(value, "");
    }
  }

 private:
  // An argument packed as format packs its own; a text lives in texts_ for as long as the call needs it.
  template <class T>
  void add(const T& value) {
    arguments_.push_back(console::detail::arg_of(value));
  }

  // A width or precision: none, digits, or "*" with its value among the arguments; the value of a "*".
  std::optional<int> number(std::string& format) {
    switch (input_.ConsumeIntegralInRange(0, 2)) {
      case 0:
        return std::nullopt;
      case 1: {
        const std::string digits = std::to_string(input_.ConsumeIntegralInRange(0, 40));
        format += digits;
        directive_ += digits;
        return std::nullopt;
      }
      default: {
        const int value = input_.ConsumeIntegralInRange(-40, 40);
        format += '*';
        directive_ += '*';
        add(value);
        return value;
      }
    }
  }

  FuzzedDataProvider& input_;
  std::vector<console::detail::Arg>& arguments_;
  std::deque<std::string>& texts_;
  std::string directive_;  // the conversion as handed to snprintf, without length and conversion letter
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::string format;
  std::string expected;
  std::vector<console::detail::Arg> arguments;
  std::deque<std::string> texts;
  for (int piece = 0; piece < 8 && input.remaining_bytes() > 0; ++piece) {
    switch (input.ConsumeIntegralInRange(0, 2)) {
      case 0: {
        std::string literal = input.ConsumeRandomLengthString(20);
        std::erase(literal, '%');
        format += literal;
        expected += literal;
        break;
      }
      case 1:
        format += "%%";
        expected += '%';
        break;
      default:
        Conversion(input, arguments, texts).make(format, expected);
    }
  }
  const std::string actual = console::detail::format_args(format, arguments);
  if (actual != expected) {
    std::fprintf(stderr, "format:   \"%s\"\nexpected: \"%s\"\nactual:   \"%s\"\n", format.c_str(),
                 expected.c_str(), actual.c_str());
  }
  fuzz::require(actual == expected, "format prints what snprintf prints");
  return 0;
}
