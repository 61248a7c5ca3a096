#include "console/render.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using console::debug;
using console::render;
using Int = std::int64_t;

struct Clock {
  Int hour, minute;
  std::string description() const { return console::format("%2d:%02d", hour, minute); }
};

template <class T>
struct Vector {
  T x, y;
  static constexpr auto fields() {
    return std::tuple{console::var("x", &Vector::x), console::var("y", &Vector::y)};
  }
  static std::string type_name() { return "Vector<" + console::type_name<T>() + ">"; }
};

struct Point {
  Int x;
  std::string label;
  static constexpr auto fields() {
    return std::tuple{console::let("x", &Point::x), console::var("label", &Point::label)};
  }
};

struct Reply {
  std::optional<std::string> companion;
  std::string_view case_name() const { return companion ? "attendWith" : "attend"; }
  std::optional<std::tuple<std::string>> payload() const {
    if (companion) return std::tuple{*companion};
    return std::nullopt;
  }
};

enum class Suit { hearts, spades };
std::string_view case_name(Suit s) {
  return s == Suit::hearts ? "hearts" : "spades";
}

class Plain {};
struct PlainMetatype {
  using instance_type = Plain;
};
class Named {
 public:
  std::string description() const { return "勇太, 16"; }
};

namespace inner {
struct Student {
  Int id;
  static constexpr auto fields() { return std::tuple{console::let("id", &Student::id)}; }
};
}  // namespace inner

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override { console::start_program("Demo"); }
};

TEST_F(RenderTest, ScalarsInPlainAndDebugForm) {
  EXPECT_EQ(render(Int{-42}), "-42");
  EXPECT_EQ(render(std::uint8_t{200}), "200");
  EXPECT_EQ(render(true), "true");
  EXPECT_EQ(render("彼方"), "彼方");
  EXPECT_EQ(debug("彼方"), "\"彼方\"");
  EXPECT_EQ(render(console::Character(U'甲')), "甲");
  EXPECT_EQ(debug(console::Character(U'甲')), "\"甲\"");
}

TEST_F(RenderTest, DebugFormEscapesQuotesBackslashesAndControls) {
  EXPECT_EQ(debug(std::string("a\"b\\c\n\r\t") + '\0'), R"("a\"b\\c\n\r\t\0")");
  EXPECT_EQ(render(std::string("a\"b")), "a\"b");
  EXPECT_EQ(debug(console::Character(U'"')), R"("\"")");
}

TEST_F(RenderTest, OptionalsAndCollections) {
  EXPECT_EQ(render(std::optional<Int>{}), "nil");
  EXPECT_EQ(render(std::optional<Int>{5}), "Optional(5)");
  EXPECT_EQ(render(std::optional<std::optional<Int>>{std::optional<Int>{}}), "Optional(nil)");
  EXPECT_EQ(render(std::vector<std::optional<std::string>>{std::nullopt, std::nullopt, "彼方"}),
            "[nil, nil, Optional(\"彼方\")]");
  EXPECT_EQ(render(std::vector<Int>{}), "[]");
  EXPECT_EQ(render(std::set<std::string>{"b", "a"}), "[\"a\", \"b\"]");
  EXPECT_EQ(render(std::map<std::string, Int>{}), "[:]");
  EXPECT_EQ(render(std::map<std::string, Int>{{"遠山", 9}, {"八神", 8}}), "[\"八神\": 8, \"遠山\": 9]");
  EXPECT_EQ(render(std::vector<std::vector<Int>>{{1}, {}, {2, 3}}), "[[1], [], [2, 3]]");
}

TEST_F(RenderTest, TuplesWithAndWithoutLabels) {
  EXPECT_EQ(render(std::tuple{console::Character(U'甲'), 5.0}), "(\"甲\", 5.0)");
  EXPECT_EQ(render(std::tuple{std::tuple{Int{88}, Int{108}}, Int{9}, std::pair{Int{2}, Int{3}}}),
            "((88, 108), 9, (2, 3))");
  EXPECT_EQ(render(console::labeled({"offset", "element"}, Int{0}, std::string("村上"))),
            "(offset: 0, element: \"村上\")");
  EXPECT_EQ(render(console::Void{}), "()");
  EXPECT_EQ(console::cat("s=", std::tuple{Int{100}, Int{50}}, ", t=", std::tuple{Int{1}, Int{2}}),
            "s=(100, 50), t=(1, 2)");
}

TEST_F(RenderTest, DescriptionIsUsedInBothFormsAndKeepsLeadingBlank) {
  EXPECT_EQ(render(Clock{9, 5}), " 9:05");
  EXPECT_EQ(render(std::vector<Clock>{{12, 0}, {9, 5}}), "[12:00,  9:05]");
  EXPECT_EQ(render(std::optional<Clock>{Clock{9, 5}}), "Optional( 9:05)");
}

TEST_F(RenderTest, RecordsPrintTypeAndFieldsAndArePrefixedWhenNested) {
  const Vector<std::vector<std::string>> v{{}, {"黒", "noir", "schwarz"}};
  EXPECT_EQ(render(v), "Vector<Array<String>>(x: [], y: [\"黒\", \"noir\", \"schwarz\"])");
  EXPECT_EQ(render(std::vector<Point>{{1, "a"}}), "[Demo.Point(x: 1, label: \"a\")]");
  EXPECT_EQ(render(inner::Student{7}), "Student(id: 7)");
  static_assert(std::tuple_element_t<0, decltype(Point::fields())>::fixed);
  static_assert(!std::tuple_element_t<1, decltype(Point::fields())>::fixed);
}

TEST_F(RenderTest, EnumerationsPrintCaseAndPayload) {
  EXPECT_EQ(render(Reply{}), "attend");
  EXPECT_EQ(render(Reply{"伊月"}), "attendWith(\"伊月\")");
  EXPECT_EQ(debug(Reply{}), "Demo.attend");
  EXPECT_EQ(render(Suit::spades), "spades");
}

TEST_F(RenderTest, ObjectsBehindReferences) {
  EXPECT_EQ(render(std::make_shared<Named>()), "勇太, 16");
  EXPECT_EQ(render(std::optional{std::make_shared<Named>()}), "Optional(勇太, 16)");
  EXPECT_EQ(render(std::make_shared<Plain>()), "Demo.Plain");
  EXPECT_EQ(render(std::make_shared<Point>()), "Demo.Point");  // a class instance, even with fields
  EXPECT_EQ(render(std::shared_ptr<Plain>{}), "nil");
  std::weak_ptr<Named> weak;
  {
    auto strong = std::make_shared<Named>();
    weak = strong;
    EXPECT_EQ(render(weak), "Optional(勇太, 16)");
  }
  EXPECT_EQ(render(weak), "nil");
}

TEST_F(RenderTest, TypeNames) {
  EXPECT_EQ(console::type_name<std::vector<std::optional<Int>>>(), "Array<Optional<Int>>");
  EXPECT_EQ(console::type_name<std::optional<console::Void>>(), "Optional<()>");
  EXPECT_EQ(console::type_name<console::Range<std::uint8_t>>(), "Range<UInt8>");
  EXPECT_EQ(console::type_name<std::set<std::string>>(), "Set<String>");
  EXPECT_EQ((console::type_name<std::map<std::string, Int>>()), "Dictionary<String, Int>");
  EXPECT_EQ(console::type_name<console::Character>(), "Character");
  EXPECT_EQ((console::type_name<std::tuple<Int, double>>()), "(Int, Double)");
  EXPECT_EQ(console::type_name<std::int32_t>(), "Int32");
  EXPECT_EQ(console::type_name<Vector<std::vector<std::string>>>(), "Vector<Array<String>>");
  EXPECT_EQ(console::type_name<inner::Student>(), "Student");
  EXPECT_EQ(console::type_name<std::shared_ptr<Plain>>(), "Plain");
  EXPECT_EQ(console::type_name<std::weak_ptr<Plain>>(), "Optional<Plain>");
  EXPECT_EQ(render(console::type<Plain>), "Plain");
  EXPECT_EQ(render(console::type<console::Type<Plain>>), "Plain.Type");
  EXPECT_EQ(render(console::type_of(std::vector<Clock>{})), "Array<Clock>");
  struct Local {};
  EXPECT_EQ(console::type_name<Local>(), "Local");
  struct Arrows : Vector<Int> {};  // a plain class is not named by its base template
  EXPECT_EQ(console::type_name<Arrows>(), "Arrows");
  EXPECT_EQ(console::type_name<PlainMetatype>(), "Plain.Type");
}

TEST_F(RenderTest, Ranges) {
  EXPECT_EQ(render(console::Range<Int>{0, 5}), "0..<5");
  EXPECT_EQ(render(console::ClosedRange<Int>{1, 3}), "1...3");
}

TEST_F(RenderTest, PrintIntoAText) {
  std::string text;
  for (Int i = 0; i <= 2; ++i) console::print_to(text, {.terminator = ", "}, i);
  EXPECT_EQ(text, "0, 1, 2, ");
  console::print_to(text);
  EXPECT_EQ(text, "0, 1, 2, \n");
  std::string line;
  console::print_to(line, "");
  EXPECT_EQ(line, "\n");
  std::string items;
  console::print_to(items, {.separator = "-", .terminator = "!"}, "a", Int{1}, 2.5);
  EXPECT_EQ(items, "a-1-2.5!");
}

static_assert(console::Renderable<std::vector<std::optional<std::string>>>);
static_assert(console::Renderable<Clock>);
static_assert(!console::Renderable<Plain>);  // only through a reference
static_assert(console::Renderable<std::shared_ptr<Plain>>);

}  // namespace
