#include "console/engine.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>

namespace console::detail {

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

std::string dynamic_class_name(const std::type_info& type) {
  // The run-time type's name is mangled; the C++ runtime's own demangler spells it as the compiler does
  // for static types, so the two kinds of names agree.
  int status = 0;
  const std::unique_ptr<char, decltype(&std::free)> spelled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  return std::string(bare_name(status == 0 && spelled ? spelled.get() : type.name()));
}

}  // namespace console::detail
