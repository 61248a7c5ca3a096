#include "console/type_name.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <forward_list>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "console/program.h"
#include "console/render.h"
#include "testing/sample_types.h"

namespace {

using Int = std::int64_t;
using test_types::Clock;
using test_types::Plain;
using test_types::PlainMetatype;
using test_types::Vector;
namespace inner = test_types::inner;

TEST(TypeNameTest, StandardVocabularyAndOwnTypes) {
  EXPECT_EQ(console::type_name<std::vector<std::optional<Int>>>(), "Array<Optional<Int>>");
  EXPECT_EQ(console::type_name<std::optional<console::Void>>(), "Optional<()>");
  EXPECT_EQ(console::type_name<console::Range<std::uint8_t>>(), "Range<UInt8>");
  EXPECT_EQ(console::type_name<console::ClosedRange<Int>>(), "ClosedRange<Int>");
  EXPECT_EQ(console::type_name<std::set<std::string>>(), "Set<String>");
  EXPECT_EQ((console::type_name<std::map<std::string, Int>>()), "Dictionary<String, Int>");
  EXPECT_EQ(console::type_name<console::Character>(), "Character");
  EXPECT_EQ((console::type_name<std::tuple<Int, double>>()), "(Int, Double)");
  EXPECT_EQ((console::type_name<console::Labeled<Int, std::string>>()), "(Int, String)");
  EXPECT_EQ(console::type_name<std::int32_t>(), "Int32");
  EXPECT_EQ(console::type_name<Vector<std::vector<std::string>>>(), "Vector<Array<String>>");
  EXPECT_EQ(console::type_name<inner::Student>(), "Student");
  EXPECT_EQ(console::type_name<std::shared_ptr<Plain>>(), "Plain");
  EXPECT_EQ(console::type_name<std::weak_ptr<Plain>>(), "Optional<Plain>");
  struct Local {};
  EXPECT_EQ(console::type_name<Local>(), "Local");
  struct Arrows : Vector<Int> {};  // a plain class is not named by its base template
  EXPECT_EQ(console::type_name<Arrows>(), "Arrows");
  EXPECT_EQ(console::type_name<PlainMetatype>(), "Plain.Type");
}

// A type known only at run time (an object reached through a reference to its base) is named by the same
// rules, whichever standard library spells it.
template <class T>
void expect_named(std::string_view expected) {
  EXPECT_EQ(console::type_name<T>(), expected) << "at compile time";
  EXPECT_EQ(console::type_name(typeid(T)), expected) << "at run time";
}

TEST(TypeNameTest, RunTimeNamesAgreeWithCompileTimeNames) {
  expect_named<std::vector<std::optional<Int>>>("Array<Optional<Int>>");
  expect_named<std::array<std::uint8_t, 3>>("Array<UInt8>");
  expect_named<std::map<std::string, std::set<std::int8_t>>>("Dictionary<String, Set<Int8>>");
  expect_named<std::unordered_map<std::string_view, std::unordered_set<long>>>(
      "Dictionary<String, Set<Int>>");
  expect_named<std::tuple<std::uint32_t, float, bool, console::Character>>(
      "(UInt32, Float, Bool, Character)");
  expect_named<std::pair<short, unsigned long long>>("(Int16, UInt)");
  expect_named<console::Labeled<Int, std::string>>("(Int, String)");
  expect_named<console::Void>("()");
  expect_named<std::optional<console::Void>>("Optional<()>");
  expect_named<std::weak_ptr<Plain>>("Optional<Plain>");
  expect_named<std::shared_ptr<inner::Student>>("Student");
  expect_named<console::Type<inner::Student>>("Student.Type");
  expect_named<std::string_view>("String");
  expect_named<Vector<std::vector<std::string>>>("Vector<Array<String>>");
  expect_named<Vector<std::map<std::string, std::tuple<float, bool>>>>(
      "Vector<Dictionary<String, (Float, Bool)>>");
  // A C string is a text, and a const argument is named as the type itself.
  expect_named<Vector<const char*>>("Vector<String>");
  expect_named<Vector<char*>>("Vector<String>");
  expect_named<Vector<const Int>>("Vector<Int>");
  expect_named<Vector<Vector<Plain>>>("Vector<Vector<Plain>>");
}

// Names go by kind, as printing does: any sequence is an array, any keyed range without values a set, any
// keyed range of pairs a dictionary, however the standard library calls the container.
TEST(TypeNameTest, EveryContainerIsNamedByItsKind) {
  expect_named<std::deque<Int>>("Array<Int>");
  expect_named<std::list<std::string>>("Array<String>");
  expect_named<std::forward_list<std::optional<double>>>("Array<Optional<Double>>");
  expect_named<std::span<const std::uint16_t>>("Array<UInt16>");
  expect_named<std::vector<std::shared_ptr<Plain>>>("Array<Plain>");
  expect_named<std::multiset<std::string>>("Set<String>");
  expect_named<std::unordered_multiset<bool>>("Set<Bool>");
  expect_named<std::multimap<Int, std::deque<Int>>>("Dictionary<Int, Array<Int>>");
  expect_named<std::unordered_multimap<std::string, std::list<float>>>("Dictionary<String, Array<Float>>");
  expect_named<Vector<std::deque<std::pair<Int, std::string>>>>("Vector<Array<(Int, String)>>");
  EXPECT_EQ(console::render(std::deque<Int>{1, 2}), "[1, 2]");
}

// Exactly what prints has a name: a class through references to its objects, a metatype as its class's
// type; a container of what does not print, a pointer, a character type and the bare nil have none.
static_assert(console::Named<std::deque<Int>> && console::Named<std::list<std::string>> &&
              console::Named<Plain> && console::Named<PlainMetatype> && console::Named<console::Type<Int>>);
static_assert(!console::Named<std::vector<Plain>> && !console::Named<std::optional<char>> &&
              !console::Named<Int*> && !console::Named<char> && !console::Named<std::nullopt_t> &&
              !console::Named<std::deque<std::u8string>>);

// What type_name<T>() refuses to compile has no name at run time either: asked for one, the program stops.
// Refused: a pointer other than a C string, a character type that is no Character, a standard template
// outside the vocabulary, a function type, an array.
template <class T>
struct Tag {
  static std::string type_name() { return "Tag<" + console::type_name<T>() + ">"; }
};

TEST(TypeNameDeathTest, RunTimeNamesRefuseWhatCompileTimeNamesRefuse) {
  console::start_program("Demo");
  for (const std::type_info* type :
       {&typeid(Tag<int*>), &typeid(Tag<const Plain*>), &typeid(Tag<std::vector<const Int*>>),
        &typeid(Tag<char>), &typeid(Tag<char32_t>), &typeid(Tag<std::u8string>),
        &typeid(Tag<std::function<void()>>), &typeid(Tag<void()>), &typeid(Tag<Int[2]>),
        &typeid(Tag<Plain&>)}) {
    EXPECT_DEATH(console::type_name(*type), "^Demo: no printable name for the type ") << type->name();
  }
}

// Whatever has the name of a kind prints as that kind; what does not print has no such name.
static_assert(!console::Integer<char32_t> && !console::Renderable<char32_t> && !console::Text<char32_t>);
static_assert(console::Text<const char*> && console::Renderable<const char*>);

TEST(TypeNameTest, TypesAsValues) {
  EXPECT_EQ(console::render(console::type<Plain>), "Plain");
  EXPECT_EQ(console::render(console::type<console::Type<Plain>>), "Plain.Type");
  EXPECT_EQ(console::render(console::type_of(std::vector<Clock>{})), "Array<Clock>");
  EXPECT_EQ(console::render(std::vector{console::type<Int>}), "[Int]");
}

}  // namespace
