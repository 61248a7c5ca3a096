// Recipe and Arrange: a read-only subscript, its override, and a description built on the overridable
// subscript, so that an Arrange prints its scaled amounts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace q08 {

class Recipe {
 public:
  Recipe() : amount{6.6, 8.9, 7.5, 9.1} {}
  virtual ~Recipe() = default;

  // The amount at index, or 0.0 at or past the end.
  virtual double operator[](std::size_t index) const;

  // The subscript's values for every index, through the object's own class: "6.6, 8.9, 7.5, 9.1".
  std::string description() const;

  const std::vector<double> amount;
};

class Arrange : public Recipe {
 public:
  // The only initialiser: an Arrange always has a factor.
  explicit Arrange(double multiple) : multiple_(multiple) {}

  virtual double multiple() const { return multiple_; }
  virtual void setMultiple(double value) { multiple_ = value; }

  // Recipe's value (0.0 past the end included) times multiple().
  double operator[](std::size_t index) const override;

 private:
  double multiple_ = 1.0;
};

}  // namespace q08
