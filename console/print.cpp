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

void print_text(std::string_view text, std::string_view terminator) {
  write_stdout(text, terminator);
}

void print_line(const PrintOptions& options, std::span<const Arg> items) {
  // Lines are put together in one buffer per thread that stays allocated from line to line (a
  // description that prints while its line is being put together gets a buffer of its own), then written
  // whole.
  thread_local std::string reused;
  thread_local bool in_use = false;
  std::string own;
  std::string& line = in_use ? own : reused;
  const bool owner = !in_use;
  in_use = true;
  line.clear();
  print_line_to(line, options, items);
  if (owner) in_use = false;
  write_stdout(line);
}

}  // namespace console::detail
