// What the fuzz targets share: a failed check that libFuzzer records, and an input handed over as a file.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "testing/files.h"

namespace fuzz {

// A property that does not hold: say which, then abort so that libFuzzer keeps the input.
inline void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %s\n", property);
  std::abort();
}

// A file of this process's own in the temporary folder, removed at exit; each input is written to it.
inline const std::string& input_path() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("quillmere_fuzz_" + std::to_string(::getpid()))).string();
  // Registered after path is made, so it runs before path is destroyed.
  static const bool removed_at_exit = std::atexit([] { std::remove(input_path().c_str()); }) == 0;
  (void)removed_at_exit;
  return path;
}

inline const std::string& write_input(const std::uint8_t* data, std::size_t size) {
  const std::string& path = input_path();
  // A new file each time: rewriting one in place makes some file systems flush it to disk, ~100 times slower.
  std::remove(path.c_str());
  std::FILE* file = std::fopen(path.c_str(), "wb");
  require(file != nullptr, "the input file can be written");
  require(std::fwrite(data, 1, size, file) == size, "the input is written whole");
  require(std::fclose(file) == 0, "the input file is closed");
  return path;
}

// How many file descriptors the process has open.
inline int open_descriptors() {
  const int count = test_support::open_descriptors();
  require(count >= 0, "/proc/self/fd can be read");
  return count;
}

}  // namespace fuzz
