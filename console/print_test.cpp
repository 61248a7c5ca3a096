#include "console/print.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "console/program.h"
#include "testing/files.h"

namespace {

using Int = std::int64_t;

TEST(PrintTest, IntoATextWithSeparatorAndTerminator) {
  std::string text;
  for (Int i = 0; i <= 2; ++i) console::print_to(text, {.terminator = ", "}, i);
  EXPECT_EQ(text, "0, 1, 2, ");
  console::print_to(text);
  EXPECT_EQ(text, "0, 1, 2, \n");
  std::string line;
  console::print_to(line, "");
  EXPECT_EQ(line, "\n");
  std::string items;
  console::print_to(items, {.separator = "-", .terminator = "!"}, "a", Int{1}, 2.5);
  EXPECT_EQ(items, "a-1-2.5!");
}

// print and printf-family output share one buffered stream, so they interleave in call order.
TEST(PrintTest, InterleavesWithPrintfOnStdout) {
  const std::string path = ::testing::TempDir() + "print_interleave.txt";
  EXPECT_EXIT(
      {
        if (std::freopen(path.c_str(), "w", stdout) == nullptr) std::_Exit(2);
        console::print({.terminator = " "}, "9", Int{1});
        std::printf("[%d]", 8);
        console::print();
        console::print("end");
        std::fflush(stdout);
        std::_Exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(test_support::read_file(path), "9 1 [8]\nend\n");
}

// Words and put-together lines printed one at a time keep their order with printf output and survive a stop,
// however long they are.
TEST(PrintDeathTest, WordByWordWithPrintfAndAStop) {
  const std::string path = ::testing::TempDir() + "print_words.txt";
  const std::string long_word(300000, 'w');
  EXPECT_DEATH(
      {
        if (std::freopen(path.c_str(), "w", stdout) == nullptr) std::_Exit(2);
        console::start_program("Demo");
        console::print({.terminator = " "}, "森");
        std::printf("<%s>", "c");
        console::print({.terminator = " "}, "");
        console::print({.terminator = ""}, std::string());
        console::print({.terminator = " "}, long_word);
        std::fputs("|", stdout);
        console::print({.separator = "+", .terminator = " "}, "a", Int{2});
        console::print({.separator = "+", .terminator = " "}, long_word, Int{3});
        console::print("");
        console::fail("stop");
      },
      "^Demo: stop\n");
  EXPECT_EQ(test_support::read_file(path), "森 <c> " + long_word + " |a+2 " + long_word + "+3 \n");
}

}  // namespace
