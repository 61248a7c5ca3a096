#include "console/type_name.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <vector>

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

// A type known only at run time is named by the same rules.
TEST(TypeNameTest, RunTimeNamesAgreeWithCompileTimeNames) {
  const auto agree = []<class T>(std::type_identity<T>) {
    EXPECT_EQ(console::type_name(typeid(T)), console::type_name<T>());
  };
  agree(std::type_identity<std::vector<std::optional<Int>>>{});
  agree(std::type_identity<std::map<std::string, std::set<std::int8_t>>>{});
  agree(std::type_identity<std::tuple<std::uint32_t, float, bool, console::Character>>{});
  agree(std::type_identity<std::pair<short, unsigned long long>>{});
  agree(std::type_identity<console::Void>{});
  agree(std::type_identity<std::weak_ptr<Plain>>{});
  agree(std::type_identity<console::Type<inner::Student>>{});
  agree(std::type_identity<Vector<std::vector<std::string>>>{});
  agree(std::type_identity<std::string_view>{});
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
