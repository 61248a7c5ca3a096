// Runs a program with its standard output on a regular file, a pipe or a terminal (a pseudo-terminal) and
// saves the bytes it wrote there, for the golden tests: the programs must print exactly their lines however
// their output is connected. A terminal shows each line feed as a carriage return and a line feed; the saved
// file has the line feed back, so that it compares with the same expected output as a pipe or a file.
//
// Usage: run_with_stdout <file|pipe|terminal> <output file> <program> [arguments...]
// Exits with the program's exit status (128 + the signal that ended it).
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "testing/child_process.h"

int main(int argc, char** argv) {
  using test_support::Stdout;
  const std::string_view mode = argc > 1 ? argv[1] : "";
  if (argc < 4 || (mode != "file" && mode != "pipe" && mode != "terminal")) {
    std::fprintf(stderr, "usage: %s <file|pipe|terminal> <output file> <program> [arguments...]\n", argv[0]);
    return 2;
  }
  const Stdout where = mode == "file" ? Stdout::file : mode == "pipe" ? Stdout::pipe : Stdout::terminal;
  const auto run = test_support::run_program(where, {argv + 3, argv + argc});
  std::string bytes;
  for (std::size_t i = 0; i < run.output.size(); ++i) {
    if (where != Stdout::terminal || run.output.compare(i, 2, "\r\n") != 0) bytes += run.output[i];
  }
  std::ofstream(argv[2], std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return run.status;
}
