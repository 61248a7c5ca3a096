// Section 10: records reached by value and a locker reached by reference.
//
// Person and HighScore are records: a key path through them is writable into
// a root held in a variable. Locker is a class holding its owner by value, so
// a key path through `owner` writes through the locker reference; `user` is a
// computed read-only property, so a key path through it is read-only. The
// records declare their fields in fields(), the class its properties in
// properties(): a locker prints by its class name, never as a record.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "console/record.h"
#include "quillmere09/lifetime.h"

namespace q09::keypaths {

struct Person {
  std::string name;
  std::int64_t height = 0;  // centimetres

  static constexpr auto fields() {
    return std::tuple{console::let("name", &Person::name), console::var("height", &Person::height)};
  }
};

struct HighScore {
  Person player;
  std::int64_t score = 0;

  static constexpr auto fields() {
    return std::tuple{console::var("player", &HighScore::player), console::var("score", &HighScore::score)};
  }
};

class Locker : public ReferenceType {
 public:
  explicit Locker(Person owner);

  Person user() const;  // the owner, read only

  Person owner;

  static constexpr auto properties() { return std::tuple{console::var("owner", &Locker::owner)}; }
};

}  // namespace q09::keypaths
