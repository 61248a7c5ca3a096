// The yardstick: copies the word file byte by byte with fgetc and putchar, nothing else.
#include <cstdio>

int main() {
  std::FILE* file = std::fopen("Quillmere01.Start.cpp", "r");
  if (file == nullptr) return 1;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) std::putchar(c);
  std::fclose(file);
  return 0;
}
