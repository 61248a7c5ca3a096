// Records: value types that declare their stored fields once.
//
// A record lists its stored fields in declaration order, each as a name and a member pointer, marked as
// variable (`var`) or fixed at construction (`let`). The renderer prints the record from this list,
// "Name(field: debug form, ...)", and typed paths into the record read it to learn which fields they may
// write. Nothing else of the console library is needed to declare one:
//
//   struct HighScore {
//     std::string name;
//     std::int64_t score;
//     static constexpr auto fields() {
//       return std::tuple{console::let("name", &HighScore::name), console::var("score", &HighScore::score)};
//     }
//   };
#pragma once

#include <string_view>
#include <tuple>

namespace console {

// One stored field of a record: its name, its member pointer, and whether it is fixed at construction.
template <class Class, class Member, bool Fixed>
struct Field {
  using class_type = Class;
  using member_type = Member;
  static constexpr bool fixed = Fixed;

  std::string_view name;
  Member Class::*member;

  constexpr const Member& get(const Class& object) const { return object.*member; }
  constexpr Member& get(Class& object) const { return object.*member; }
};

// A variable field (`var`).
template <class Class, class Member>
constexpr Field<Class, Member, false> var(std::string_view name, Member Class::*member) {
  return {name, member};
}

// A field fixed at construction (`let`).
template <class Class, class Member>
constexpr Field<Class, Member, true> let(std::string_view name, Member Class::*member) {
  return {name, member};
}

// A type that declares its stored fields with a static fields() returning a tuple of Field.
template <class T>
concept Record = requires {
  std::tuple_size<decltype(T::fields())>::value;
};

}  // namespace console
