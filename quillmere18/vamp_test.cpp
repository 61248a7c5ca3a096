#include "quillmere18/vamp.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "console/engine.h"
#include "console/program.h"
#include "console/type_name.h"

namespace {

using First = q18::first_vamp::Vamp;
using Second = q18::second_vamp::Vamp;

// One shape, two classes: neither stands in for the other.
static_assert(!std::is_same_v<First, Second>);
static_assert(!std::is_convertible_v<std::shared_ptr<First>, std::shared_ptr<Second>>);

// A class instance without a description shows its qualified class name, in plain and debug form alike; its
// type shows the bare name.
template <class Vamp>
void expect_console_forms() {
  console::start_program("Quillmere18");
  const auto vamp = std::make_shared<Vamp>(9);
  EXPECT_EQ(console::render(vamp), "Quillmere18.Vamp");
  EXPECT_EQ(console::render(std::vector{vamp, vamp}), "[Quillmere18.Vamp, Quillmere18.Vamp]");
  EXPECT_EQ(console::render(std::optional{vamp}), "Optional(Quillmere18.Vamp)");
  EXPECT_EQ(console::type_name<Vamp>(), "Vamp");
  EXPECT_EQ(console::render(console::type<std::vector<std::shared_ptr<Vamp>>>), "Array<Vamp>");
}

TEST(VampTest, FirstClassPrintsByItsQualifiedName) {
  expect_console_forms<First>();
}

TEST(VampTest, SecondClassPrintsByItsQualifiedName) {
  expect_console_forms<Second>();
}

}  // namespace
