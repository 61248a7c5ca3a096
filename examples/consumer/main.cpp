// A program of another project that prints through the installed console library: its own record, a type
// with its own description, collections, optionals, tuples, shortest floats and type names.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "console/render.h"

namespace {

// A record: its stored fields, declared once, give its printed form.
struct Point {
  double x;
  double y;
  static constexpr auto fields() {
    return std::tuple{console::var("x", &Point::x), console::var("y", &Point::y)};
  }
};

// A type with a description of its own prints that, inside collections too.
struct Temperature {
  double celsius;
  std::string description() const { return console::format("%.1f °C", celsius); }
};

}  // namespace

int main() {
  console::start_program("Consumer");
  console::print("Hello from another project,", 2026, true);
  console::print(Point{1.5, -2.0});
  console::print(std::vector<Point>{{0.1, 0.2}});
  console::print(std::vector<std::optional<std::int64_t>>{std::nullopt, 3});
  console::print(std::tuple{std::string("甲"), 5.0}, std::vector<std::string>{"say \"hi\"", "tab\t"});
  console::print(0.1 + 0.2, 1e-05, 18014398509481984.0, 36028797018963968.0, -1.1304);
  console::print(std::vector<Temperature>{{21.5}, {-3.25}});
  console::print(console::type_name<std::map<std::string, std::vector<std::optional<std::int64_t>>>>());
  console::print({.terminator = " "}, 9, 1);
  console::print({.separator = "-", .terminator = ""}, "a", "b");
  console::print();
  std::string text;
  console::print_to(text, {.separator = ", "}, 1, 2);
  console::print(console::cat("text=", text.size()), console::format("%2d:%02d", 9, 5));
  return 0;
}
