// The programs that print_test.cpp runs: each scenario in a process of its own, so that the buffering it
// chooses for stdout is the first thing done to the stream, as setvbuf requires.
//
// Usage: print_test_program <mode> <size> <start> <scenario> [arguments...]
//   mode: keep (the C library's choice), full, line or none; size: of a buffer of the program's own (0: the
//   C library allocates one); start: 1 to call start_program after the choice, 0 not to.
//   scenarios: stdio, own_buffer <bytes>, threads <threads> <lines>, stop.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "console/print.h"
#include "console/program.h"

namespace {

using Int = std::int64_t;

// Texts short and long, put-together lines with separators, and open lines that printf, fputs, putchar and
// std::cout finish.
void stdio() {
  const std::string long_word(70000, 'w');
  console::print({.terminator = " "}, "森");
  std::printf("<%s>", "c");
  console::print({.terminator = " "}, "");
  console::print({.terminator = ""}, std::string());
  console::print({.terminator = " "}, long_word);
  std::fputs("|", stdout);
  console::print({.separator = "+", .terminator = " "}, "a", Int{2});
  console::print({.separator = "+", .terminator = " "}, long_word, Int{3});
  std::putchar('!');
  std::cout << "cout" << std::flush;
  console::print();
  console::print(0.1, std::vector<std::optional<std::string>>{std::nullopt, "彼方"}, true);
  console::print("");
  console::print("end");
}

// Prints a line of `bytes` x's; the exit status is how many bytes reached the file before the end (at most
// 250).
int own_buffer(int bytes) {
  console::print(std::string(static_cast<std::size_t>(bytes), 'x'));
  struct stat file {};
  if (::fstat(STDOUT_FILENO, &file) != 0) return 255;
  return static_cast<int>(std::min<long long>(file.st_size, 250));
}

// Every thread prints `lines` lines, one of four kinds in turn: a put-together line longer than the texts
// written a byte at a time, one text, a printf line, and a text that carries its own line feed.
void threads(int count, int lines) {
  const std::string tail(40, '-');
  std::vector<std::thread> running;
  for (int t = 0; t < count; ++t) {
    running.emplace_back([t, lines, &tail] {
      const std::string thread = "thread " + std::to_string(t);
      for (int i = 0; i < lines; ++i) {
        switch (i % 4) {
          case 0:
            console::print("thread", Int{t}, "line", Int{i}, tail);
            break;
          case 1:
            console::print(thread + " text " + std::to_string(i));
            break;
          case 2:
            std::printf("thread %d printf %d\n", t, i);
            break;
          default:
            console::print({.terminator = ""}, thread + " open " + std::to_string(i) + " line\n");
            break;
        }
      }
    });
  }
  for (auto& thread : running) thread.join();
}

// Lines, a long one among them, then a stop; its report goes to stdout, after them.
[[noreturn]] void stop() {
  ::dup2(STDOUT_FILENO, STDERR_FILENO);
  console::print({.terminator = " "}, "森");
  console::print({.terminator = " "}, std::string(300000, 'w'));
  console::print({.separator = "+"}, "a", Int{2});
  console::print({.terminator = ""}, "open");
  console::fail("stop");
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.size() < 4) return 2;
  static char buffer[256];
  const std::size_t size = std::min<std::size_t>(std::stoul(std::string(args[1])), sizeof buffer);
  const int mode = args[0] == "full" ? _IOFBF : args[0] == "line" ? _IOLBF : args[0] == "none" ? _IONBF : -1;
  if (mode >= 0) std::setvbuf(stdout, size > 0 ? buffer : nullptr, mode, size);
  if (args[2] == "1") console::start_program("Demo");

  const std::string_view scenario = args[3];
  const auto number = [&](std::size_t i) { return i < args.size() ? std::stoi(std::string(args[i])) : 0; };
  if (scenario == "stdio") {
    stdio();
  } else if (scenario == "own_buffer") {
    return own_buffer(number(4));
  } else if (scenario == "threads") {
    threads(number(4), number(5));
  } else if (scenario == "stop") {
    stop();
  } else {
    return 2;
  }
  return 0;
}
