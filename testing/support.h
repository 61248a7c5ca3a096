// Test support for the unit tests: what a piece of code printed, the type names of printable types, and a
// fixture with a scratch folder.
//
//   EXPECT_EQ(test_support::printed_by([&] { person.reset(); }), "勇太: deinit\n");
//
//   class WordReaderTest : public test_support::ScratchTest {};
//   TEST_F(WordReaderTest, ...) { auto reader = WordReader::open(file("words.txt", "a b")); ... }
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/engine.h"
#include "console/type_name.h"
#include "testing/files.h"

namespace test_support {

// Runs `action` and returns what it wrote to standard output (through the C library's buffered stdout, as
// console::print does).
template <class Action>
std::string printed_by(Action&& action) {
  std::fflush(stdout);
  ::testing::internal::CaptureStdout();
  std::forward<Action>(action)();
  std::fflush(stdout);
  return ::testing::internal::GetCapturedStdout();
}

// The type names of types that all have a console form (objects of classes print through references); a
// type without a form or a name does not compile.
template <class... Ts>
std::vector<std::string> printable_type_names() {
  static_assert((console::Renderable<Ts> && ...));
  return {console::type_name<Ts>()...};
}

// A fixture whose tests each get a fresh scratch folder, removed afterwards.
class ScratchTest : public ::testing::Test {
 protected:
  std::string file(std::string_view name, std::string_view bytes) const { return scratch_.file(name, bytes); }
  const std::filesystem::path& folder() const { return scratch_.path(); }

 private:
  ScratchDirectory scratch_{"test"};
};

}  // namespace test_support
