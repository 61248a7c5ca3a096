#include "console/program.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "console/print.h"
#include "testing/files.h"

namespace {

// When stdout is a regular file it is fully buffered: a stop must flush what was printed before it.
TEST(ProgramDeathTest, FailKeepsWhatWasPrintedToAFile) {
  const test_support::ScratchDirectory scratch("program");
  const std::string path = scratch.file("output.txt", "");
  EXPECT_DEATH(
      {
        if (std::freopen(path.c_str(), "w", stdout) == nullptr) std::_Exit(2);
        console::start_program("Demo");
        console::print("line 1");
        console::print({.terminator = " "}, "half");
        console::fail("index out of range");
      },
      "^Demo: index out of range\n");
  EXPECT_EQ(test_support::read_file(path), "line 1\nhalf ");
}

TEST(ProgramTest, ModuleNameIsTheProgramName) {
  console::start_program("Quillmere99");
  EXPECT_EQ(console::module_name(), "Quillmere99");
}

TEST(ProgramDeathTest, ReportErrorNamesProgramWhatAndReason) {
  EXPECT_EXIT(
      {
        console::start_program("Demo");
        console::report_error("words.txt: read error", EIO);
        console::report_error("words.txt: read error", 0);  // never "Success"
        std::_Exit(3);
      },
      ::testing::ExitedWithCode(3),
      "^Demo: words.txt: read error: Input/output error\nDemo: words.txt: read error: unknown error\n");
}

}  // namespace
