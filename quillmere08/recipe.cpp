#include "quillmere08/recipe.h"

#include "console/engine.h"

namespace q08 {

double Recipe::operator[](std::size_t index) const {
  return index < amount.size() ? amount[index] : 0.0;
}

std::string Recipe::description() const {
  std::string text;
  for (std::size_t i = 0; i < amount.size(); ++i) {
    if (i > 0) text += ", ";
    text += console::render((*this)[i]);
  }
  return text;
}

double Arrange::operator[](std::size_t index) const {
  return Recipe::operator[](index) * multiple();
}

}  // namespace q08
