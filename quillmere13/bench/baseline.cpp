// The straightforward word count the program is measured against: fgetc, a std::string per word,
// std::unordered_map<std::string, std::int64_t>, std::stable_sort, and the same two passes over the file.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

const char* const path = "Quillmere01.Start.cpp";

bool next_word(std::FILE* file, std::string& word) {
  word.clear();
  int c = std::fgetc(file);
  while (c != EOF && !std::isalpha(c)) c = std::fgetc(file);
  while (c != EOF && std::isalpha(c)) {
    word.push_back(static_cast<char>(std::tolower(c)));
    c = std::fgetc(file);
  }
  return !word.empty();
}

std::vector<std::pair<std::string, std::int64_t>> ranked(
    const std::unordered_map<std::string, std::int64_t>& counts) {
  std::vector<std::pair<std::string, std::int64_t>> pairs(counts.begin(), counts.end());
  std::stable_sort(pairs.begin(), pairs.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  return pairs;
}

}  // namespace

int main() {
  std::size_t distinct = 0;
  {
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) return 1;
    std::vector<std::string> words;
    std::string word;
    while (next_word(file, word)) words.push_back(word);
    std::fclose(file);
    if (words.empty()) return 0;
    std::unordered_map<std::string, std::int64_t> counts;
    for (const auto& w : words) ++counts[w];
    distinct = ranked(counts).size();
  }
  std::FILE* file = std::fopen(path, "r");
  if (file == nullptr) return 1;
  std::unordered_map<std::string, std::int64_t> counts;
  std::string word;
  while (next_word(file, word)) ++counts[word];
  std::fclose(file);
  return ranked(counts).size() == distinct ? 0 : 2;
}
