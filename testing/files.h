// Test support that needs no test framework (the unit tests and the fuzz targets both use it): a scratch
// folder of files, removed with its owner, a file's whole contents, and the count of this process's open file
// descriptors.
//
//   test_support::ScratchDirectory scratch("words");
//   auto reader = WordReader::open(scratch.file("words.txt", "one two\n"));
//   int before = test_support::open_descriptors();
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace test_support {

// The whole contents of a file, empty when it cannot be read.
inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// How many file descriptors the process has open: a C stream left open counts here, and only here.
inline int open_descriptors() {
  DIR* folder = opendir("/proc/self/fd");
  if (folder == nullptr) return -1;
  int count = 0;
  while (readdir(folder) != nullptr) ++count;
  closedir(folder);
  return count;
}

// A fresh folder in the temporary directory, unique to this process and object, removed on destruction.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(std::string_view tag) {
    static std::atomic<int> made = 0;
    path_ =
        std::filesystem::temp_directory_path() /
        ("quillmere_" + std::string(tag) + "_" + std::to_string(::getpid()) + "_" + std::to_string(made++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` to the file `name` in the folder (replacing it) and returns its path.
  std::string file(std::string_view name, std::string_view bytes) const {
    const auto where = path_ / name;
    std::ofstream(where, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return where.string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace test_support
