// IC cards: a balance, a subclass numbered from a counter of its class, a subclass with a holder's name.
// Two families alike in behaviour, each with its own Icocai::serial; cards1 hands the balance through
// the initialisers, cards2 holds it as a default value of the field.
#pragma once

#include <cstdint>
#include <string>

namespace q08 {

namespace cards1 {

class ICCard {
 public:
  explicit ICCard(std::int64_t money) : money(money) {}
  virtual ~ICCard() = default;

  std::int64_t money;
};

class Icocai : public ICCard {
 public:
  // Takes the next serial number of this family: 1, 2, ...
  Icocai() : ICCard(1500), idnumber(++serial) {}

  static inline std::int64_t serial = 0;
  const std::int64_t idnumber;
};

class Suiica : public ICCard {
 public:
  Suiica() : ICCard(1500) {}

  std::string name;
};

}  // namespace cards1

namespace cards2 {

class ICCard {
 public:
  virtual ~ICCard() = default;

  std::int64_t money = 1500;
};

class Icocai : public ICCard {
 public:
  static inline std::int64_t serial = 0;
  const std::int64_t idnumber = ++serial;
};

class Suiica : public ICCard {
 public:
  std::string name;
};

}  // namespace cards2

}  // namespace q08
