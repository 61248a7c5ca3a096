#include "console/engine.h"

#include <charconv>
#include <string>
#include <string_view>
#include <typeinfo>

#include "console/float.h"
#include "console/program.h"
#include "console/type_name.h"
#include "console/utf8.h"

namespace console::detail {

namespace {

// Appends a text in the given form; the one place where escaping happens.
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

template <class Number>
void append_integer(std::string& out, Number value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// "Module." before records and enumeration cases in the debug form.
void append_module_prefix(std::string& out, Mode mode) {
  if (mode == Mode::debug) {
    out += module_name();
    out += '.';
  }
}

}  // namespace

void render_arg(std::string& out, const Arg& arg, Mode mode) {
  switch (arg.tag) {
    case Arg::Tag::text:
      append_text(out, arg.text, mode);
      break;
    case Arg::Tag::character:
      append_text(out, utf8(arg.character), mode);
      break;
    case Arg::Tag::boolean:
      out += arg.boolean ? "true" : "false";
      break;
    case Arg::Tag::signed_integer:
      append_integer(out, arg.signed_integer);
      break;
    case Arg::Tag::unsigned_integer:
      append_integer(out, arg.unsigned_integer);
      break;
    case Arg::Tag::float64:
      append_float(out, arg.float64);
      break;
    case Arg::Tag::float32:
      append_float(out, arg.float32);
      break;
    case Arg::Tag::nil:
      out += "nil";
      break;
    case Arg::Tag::other:
      arg.other.render(out, arg.other.value, mode);
      break;
  }
}

void append_optional(std::string& out, const Arg* wrapped) {
  if (wrapped == nullptr) {
    out += "nil";
    return;
  }
  out += "Optional(";
  render_arg(out, *wrapped, Mode::debug);
  out += ')';
}

void append_tuple(std::string& out, std::span<const Arg> elements, const std::string_view* labels) {
  out += '(';
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (i > 0) out += ", ";
    if (labels != nullptr && !labels[i].empty()) {
      out += labels[i];
      out += ": ";
    }
    render_arg(out, elements[i], Mode::debug);
  }
  out += ')';
}

void append_record(std::string& out, std::string_view type, std::span<const std::string_view> names,
                   std::span<const Arg> fields, Mode mode) {
  append_module_prefix(out, mode);
  out += type;
  append_tuple(out, fields, names.data());
}

void append_case(std::string& out, std::string_view name, const Arg* payload, bool payload_is_tuple,
                 Mode mode) {
  append_module_prefix(out, mode);
  out += name;
  if (payload == nullptr) return;
  // One pair of parentheses around the payload: a tuple's form brings its own.
  if (payload_is_tuple) {
    render_arg(out, *payload, Mode::plain);
    return;
  }
  out += '(';
  render_arg(out, *payload, Mode::debug);
  out += ')';
}

void append_class_name(std::string& out, const std::type_info& dynamic, const std::type_info& static_type,
                       std::string (*static_name)()) {
  out += module_name();
  out += '.';
  out += dynamic == static_type ? static_name() : type_name(dynamic);
}

Items::Items(std::string& out) : out_(out) {
  out_ += '[';
}

void Items::add(const Arg& element) {
  if (!empty_) out_ += ", ";
  empty_ = false;
  render_arg(out_, element, Mode::debug);
}

void Items::add(const Arg& key, const Arg& value) {
  add(key);
  out_ += ": ";
  render_arg(out_, value, Mode::debug);
}

void Items::end(bool dictionary) {
  if (dictionary && empty_) out_ += ':';
  out_ += ']';
}

std::string form(const Arg& arg, Mode mode) {
  std::string out;
  render_arg(out, arg, mode);
  return out;
}

std::string concatenated(std::span<const Arg> pieces) {
  std::string out;
  for (const Arg& piece : pieces) render_arg(out, piece, Mode::plain);
  return out;
}

}  // namespace console::detail
