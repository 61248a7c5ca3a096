// Hashing of console::Character, so that characters can be collected into hash sets.
#pragma once

#include <cstddef>
#include <functional>

#include "console/utf8.h"

template <>
struct std::hash<console::Character> {
  std::size_t operator()(console::Character c) const noexcept { return std::hash<char32_t>{}(c.value); }
};
