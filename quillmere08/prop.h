// Overridden stored properties: PropA reads its attr as the lowest bit; the Propα chain attaches
// observers at each level, so one assignment to a Propγ runs γ's, then β's, then stores.
#pragma once

#include <cstdint>

namespace q08 {

class Prop {
 public:
  virtual ~Prop() = default;

  virtual std::int64_t attr() const { return attr_; }
  virtual void setAttr(std::int64_t value) { attr_ = value; }

 private:
  std::int64_t attr_ = 0;
};

class PropA : public Prop {
 public:
  // Stored unchanged; read as value AND 1.
  std::int64_t attr() const override { return Prop::attr() & 1; }
};

class PropB : public Prop {};

class Propα {
 public:
  virtual ~Propα() = default;

  virtual std::int64_t attr() const { return attr_; }
  virtual void setAttr(std::int64_t value) { attr_ = value; }

 private:
  std::int64_t attr_ = 0;
};

class Propβ : public Propα {
 public:
  // "β: will set", store, "β: did set" — on every assignment, equal values included.
  void setAttr(std::int64_t value) override;
};

class Propγ : public Propβ {
 public:
  // "γ: will set", β's assignment, "γ: did set".
  void setAttr(std::int64_t value) override;
};

}  // namespace q08
