#include "console/print.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "testing/child_process.h"

namespace {

using Int = std::int64_t;
using test_support::Stdout;

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

// What a terminal shows of bytes written to it: each line feed as a carriage return and a line feed.
std::string as_shown_on(Stdout where, const std::string& bytes) {
  if (where != Stdout::terminal) return bytes;
  std::string shown;
  for (const char c : bytes) shown += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return shown;
}

constexpr Stdout every_stdout[] = {Stdout::file, Stdout::pipe, Stdout::terminal};

// The buffering a program chooses for stdout before anything else: mode (keep: the C library's choice), the
// size of a buffer of its own (0: the C library allocates one), and whether it then calls start_program.
struct Buffering {
  const char* mode;
  const char* size;
  const char* started;
};

constexpr Buffering every_buffering[] = {
    {"keep", "0", "0"},  {"keep", "0", "1"}, {"full", "0", "0"}, {"full", "1", "0"},  {"full", "7", "1"},
    {"full", "64", "0"}, {"line", "0", "1"}, {"line", "1", "0"}, {"line", "64", "0"}, {"none", "0", "1"},
};

// Runs a scenario of print_test_program.cpp with stdout connected as asked.
test_support::ChildRun run_scenario(Stdout where, const Buffering& buffering,
                                    std::vector<std::string> scenario) {
  std::vector<std::string> command{QUILLMERE_PRINT_TEST_PROGRAM, buffering.mode, buffering.size,
                                   buffering.started};
  command.insert(command.end(), scenario.begin(), scenario.end());
  return test_support::run_program(where, command);
}

std::string describe(Stdout where, const Buffering& buffering) {
  const char* names[] = {"file", "pipe", "terminal"};
  return std::string("stdout a ") + names[static_cast<int>(where)] + ", buffering " + buffering.mode + " " +
         buffering.size + (buffering.started[0] == '1' ? ", then start_program" : "");
}

// Texts short and long (past any buffer above), put-together lines with separators, and open lines that
// printf, fputs, putchar and std::cout finish: exact and in call order under every buffering, on every kind
// of stdout.
TEST(PrintTest, ExactAndInOrderWithStdioUnderEveryBuffering) {
  const std::string long_word(70000, 'w');
  const std::string expected = "森 <c> " + long_word + " |a+2 " + long_word + "+3 !cout\n" +
                               "0.1 [nil, Optional(\"彼方\")] true\n\nend\n";
  for (const Buffering& buffering : every_buffering) {
    for (const Stdout where : every_stdout) {
      const auto run = run_scenario(where, buffering, {"stdio"});
      EXPECT_EQ(run.status, 0) << describe(where, buffering);
      EXPECT_TRUE(run.output == as_shown_on(where, expected)) << describe(where, buffering);
    }
  }
}

// start_program gives a file a large buffer only where the program has chosen none: a program's own choice
// still shows in what reaches the file before the program ends (the scenario's status).
TEST(PrintTest, StartProgramKeepsTheProgramsOwnBuffering) {
  const struct {
    Buffering buffering;
    int reached;  // at least this many bytes in the file after printing 100 x's and a line feed
  } cases[] = {
      {{"line", "0", "1"}, 101},
      {{"full", "64", "1"}, 64},
      {{"none", "0", "1"}, 101},
  };
  for (const auto& c : cases) {
    const auto run = run_scenario(Stdout::file, c.buffering, {"own_buffer", "100"});
    EXPECT_GE(run.status, c.reached) << describe(Stdout::file, c.buffering);
    EXPECT_EQ(run.output, std::string(100, 'x') + "\n");
  }
  // With no choice of the program's, the lines wait in the large buffer until the end.
  EXPECT_EQ(run_scenario(Stdout::file, {"keep", "0", "1"}, {"own_buffer", "100"}).status, 0);
}

// Each call's bytes reach stdout together, whatever other threads print or printf meanwhile.
TEST(PrintTest, EveryLineWholeAndOnceFromSeveralThreads) {
  constexpr int threads = 4;
  constexpr int lines = 3000;
  const std::string tail(40, '-');
  std::vector<std::string> expected;
  for (int t = 0; t < threads; ++t) {
    for (int i = 0; i < lines; ++i) {
      const std::string head = "thread " + std::to_string(t);
      const std::string kinds[] = {head + " line " + std::to_string(i) + " " + tail,
                                   head + " text " + std::to_string(i), head + " printf " + std::to_string(i),
                                   head + " open " + std::to_string(i) + " line"};
      expected.push_back(kinds[i % 4]);
    }
  }
  std::sort(expected.begin(), expected.end());
  const Buffering bufferings[] = {{"keep", "0", "1"}, {"line", "64", "0"}, {"none", "0", "0"}};
  for (const Buffering& buffering : bufferings) {
    for (const Stdout where : every_stdout) {
      const auto run =
          run_scenario(where, buffering, {"threads", std::to_string(threads), std::to_string(lines)});
      EXPECT_EQ(run.status, 0) << describe(where, buffering);
      const std::string line_end = where == Stdout::terminal ? "\r\n" : "\n";
      std::vector<std::string> printed;
      for (std::size_t at = 0; at < run.output.size();) {
        const std::size_t end = std::min(run.output.find(line_end, at), run.output.size());
        printed.push_back(run.output.substr(at, end - at));
        at = end + line_end.size();
      }
      std::sort(printed.begin(), printed.end());
      EXPECT_TRUE(printed == expected) << describe(where, buffering) << ": " << printed.size() << " lines, "
                                       << expected.size() << " expected";
    }
  }
}

// A stop keeps every line printed before it, however long, and its report follows them.
TEST(PrintTest, AStopKeepsWhatWasPrinted) {
  const std::string expected = "森 " + std::string(300000, 'w') + " a+2\nopenDemo: stop\n";
  for (const Buffering& buffering : {Buffering{"keep", "0", "1"}, Buffering{"line", "0", "1"}}) {
    for (const Stdout where : every_stdout) {
      const auto run = run_scenario(where, buffering, {"stop"});
      EXPECT_EQ(run.status, 128 + SIGABRT) << describe(where, buffering);
      EXPECT_TRUE(run.output == as_shown_on(where, expected)) << describe(where, buffering);
    }
  }
}

}  // namespace
