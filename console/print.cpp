#include "console/print.h"

#include <string>
#include <string_view>

#include "console/output.h"

namespace console::detail {

void print_line_to(std::string& target, const PrintOptions& options, std::span<const Arg> items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) target += options.separator;
    render_arg(target, items[i], Mode::plain);
  }
  target += options.terminator;
}

void print_line(const PrintOptions& options, std::span<const Arg> items) {
  // The most frequent line, one text and its terminator, goes out without being copied first.
  if (items.size() == 1 && items[0].tag == Arg::Tag::text) {
    write_stdout(items[0].text, options.terminator);
    return;
  }
  // Other lines are put together in one buffer that stays allocated from line to line (a description that
  // prints while its line is being put together gets a buffer of its own).
  static std::string reused;
  static bool in_use = false;
  std::string own;
  std::string& line = in_use ? own : reused;
  const bool owner = !in_use;
  in_use = true;
  line.clear();
  print_line_to(line, options, items);
  if (owner) in_use = false;
  // Straight into stdout's buffer when it has room, like a text's line.
  write_stdout(line, {}, line.capacity() + 1);
}

}  // namespace console::detail
