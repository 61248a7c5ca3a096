// Sections 10 to 19: initialisers of subclasses, overriding properties and subscripts, type names and type
// values, class methods, the required initialiser and a run-time protocol test.
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "console/any.h"
#include "console/print.h"
#include "console/type_name.h"
#include "console/utf8.h"
#include "console/values.h"
#include "quillmere08/avatar.h"
#include "quillmere08/cast.h"
#include "quillmere08/class_object.h"
#include "quillmere08/clock.h"
#include "quillmere08/ic_card.h"
#include "quillmere08/pairs.h"
#include "quillmere08/prop.h"
#include "quillmere08/recipe.h"
#include "quillmere08/sections.h"

namespace q08 {

using console::print;

// Subclass initialisers and a class-level serial number, in two families.
void section10() {
  {
    auto suiica = std::make_shared<q08::cards1::Suiica>();
    print(suiica->money);
    auto icocai = std::make_shared<q08::cards1::Icocai>();
    print(icocai->money);
  }
  auto suiica = std::make_shared<q08::cards2::Suiica>();
  print(suiica->money);
  auto icocai = std::make_shared<q08::cards2::Icocai>();
  print(icocai->money);
}

// Exchanging two elements of a list.
void section11() {
  std::vector<std::int64_t> list{0, 1, 2, 3, 4};
  std::swap(list[0], list[1]);
  print(list);
}

// An overriding property that reads the lowest bit.
void section12() {
  auto a = std::make_shared<q08::PropA>();
  a->setAttr(105);
  print(a->attr());
  auto b = std::make_shared<q08::PropB>();
}

// A subscript, its override, and a description built on it.
void section13() {
  print(std::make_shared<q08::Recipe>());
  print(std::make_shared<q08::Arrange>(10.0));
}

// Observers along a chain of overrides.
void section14() {
  auto gamma = std::make_shared<q08::Propγ>();
  gamma->setAttr(1);
}

namespace {

// The static type of a value, and a run-time test of the same value boxed as a value of any type.
template <class T>
void printTypeTest(const T& value) {
  const console::Any boxed = value;
  print(console::type_of(value), boxed.cast<T>() != nullptr);
}

}  // namespace

// Type names of library values.
void section15() {
  const std::vector<std::string> list{"John", "Smith"};
  const std::set<std::string> names(list.begin(), list.end());
  printTypeTest(console::Range<std::int64_t>{0, 10});
  printTypeTest(console::Range<std::int64_t>{-5, 5});
  printTypeTest(console::Range<std::uint8_t>{0, 255});
  printTypeTest(names);
  printTypeTest(console::Character(U'男'));
}

// Type values: a class, the type of a class, and a variable of that type holding a subclass.
void section16() {
  print(q08::classObject<q08::A>(), console::type_of(q08::classObject<q08::A>()));
  const q08::A::Type& type = q08::classObject<q08::B>();
  print(type, console::type<q08::A::Type>);
}

// A class method on a named class and on a dynamic class, and exact comparison of classes.
void section17() {
  using q08::Avatar;
  using q08::Player;
  q08::classObject<Player>().say();
  auto player = q08::make<Player>("(none)");
  if (player->dynamicType() == q08::classObject<Player>()) print(player->name);
  std::shared_ptr<Avatar> avatar = q08::make<Avatar>();
  avatar->dynamicType().say();
}

// Another object of an object's own class, through the required initialiser.
void section18() {
  using q08::time3::Time;
  using q08::time3::Time12;

  std::shared_ptr<Time> time = q08::make<Time>(11, 45);
  auto copy = time->dynamicType().make(time->hour, time->min);
  copy->advance(30);
  print(copy->clockText());

  std::shared_ptr<Time> time12 = q08::make<Time12>(11, 45);
  auto copy12 = time12->dynamicType().make(time12->hour, time12->min);
  copy12->advance(30);
  print(copy12);
}

// A protocol test on the object's dynamic class.
void section19() {
  std::shared_ptr<q08::A> c = q08::make<q08::C>();
  print(q08::conforms<q08::P>(*c));
}

}  // namespace q08
