#include "console/render.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "testing/sample_types.h"

namespace {

using console::debug;
using console::render;
using Int = std::int64_t;
using test_types::Clock;
using test_types::Plain;
using test_types::Vector;
namespace inner = test_types::inner;

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
  console::CasePayload<std::string> payload() const {
    if (companion) return *companion;
    return {};
  }
};

enum class Suit { hearts, spades };
std::string_view case_name(Suit s) {
  return s == Suit::hearts ? "hearts" : "spades";
}

class Named {
 public:
  std::string description() const { return "勇太, 16"; }
};

// A single payload that is not a tuple.
struct Signal {
  std::int64_t code;
  std::string_view case_name() const { return "code"; }
  std::int64_t payload() const { return code; }
};

// A hierarchy whose base has no description; the protocol is adopted further down.
class Shape {
 public:
  virtual ~Shape() = default;
};
class Circle : public Shape, public console::CustomStringConvertible {
 public:
  std::string description() const override { return "Circle"; }
};
class Ring : public Circle {
 public:
  std::string description() const override { return "Ring"; }
};
class Square : public Shape {};

// A base with a description of its own, virtual, overridden below.
class Animal {
 public:
  virtual ~Animal() = default;
  virtual std::string description() const { return "animal"; }
};
class Cat : public Animal {
 public:
  std::string description() const override { return "cat"; }
};

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
  EXPECT_EQ(render(Signal{7}), "code(7)");
  EXPECT_EQ(debug(Signal{-1}), "Demo.code(-1)");
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

TEST_F(RenderTest, ObjectsPrintByTheirDynamicClass) {
  const std::shared_ptr<Shape> circle = std::make_shared<Circle>();
  const std::shared_ptr<Shape> ring = std::make_shared<Ring>();
  const std::shared_ptr<Circle> ring_as_circle = std::make_shared<Ring>();
  EXPECT_EQ(render(circle), "Circle");
  EXPECT_EQ(render(ring), "Ring");
  EXPECT_EQ(render(ring_as_circle), "Ring");
  EXPECT_EQ(render(std::vector<std::shared_ptr<Shape>>{circle, ring}), "[Circle, Ring]");
  EXPECT_EQ(render(std::weak_ptr<Shape>(ring)), "Optional(Ring)");
  EXPECT_EQ(render(std::shared_ptr<Animal>(std::make_shared<Cat>())), "cat");
  // Without a description anywhere: the qualified name of the dynamic class, not of the static type.
  EXPECT_EQ(render(std::shared_ptr<Shape>(std::make_shared<Square>())), "Demo.Square");
  EXPECT_EQ(render(std::make_shared<Shape>()), "Demo.Shape");
}

// A class template reached through its base prints the same name as through its own type.
template <class T>
class Box : public Shape {
 public:
  static std::string type_name() { return "Box<" + console::type_name<T>() + ">"; }
};

TEST_F(RenderTest, DynamicClassNamesFollowTheNamingRules) {
  const auto through_base = []<class T>(std::type_identity<T>) {
    const std::shared_ptr<Shape> object = std::make_shared<Box<T>>();
    EXPECT_EQ(render(object), render(std::make_shared<Box<T>>()));
    return render(object);
  };
  EXPECT_EQ(through_base(std::type_identity<double>{}), "Demo.Box<Double>");
  EXPECT_EQ(through_base(std::type_identity<std::string>{}), "Demo.Box<String>");
  EXPECT_EQ(through_base(std::type_identity<long>{}), "Demo.Box<Int>");
  EXPECT_EQ(through_base(std::type_identity<std::vector<std::optional<std::uint16_t>>>{}),
            "Demo.Box<Array<Optional<UInt16>>>");
  EXPECT_EQ(through_base(std::type_identity<std::map<std::string, std::tuple<float, bool>>>{}),
            "Demo.Box<Dictionary<String, (Float, Bool)>>");
  EXPECT_EQ(through_base(std::type_identity<Box<console::Character>>{}), "Demo.Box<Box<Character>>");
}

// A case prints its payload's own form in one pair of parentheses, whatever the payload is.
template <class P>
struct Case {
  P value;
  std::string_view case_name() const { return "count"; }
  P payload() const { return value; }
};

TEST_F(RenderTest, EveryPayloadShapeInOnePairOfParentheses) {
  EXPECT_EQ(render(Case<std::optional<Int>>{5}), "count(Optional(5))");
  EXPECT_EQ(render(Case<std::optional<Int>>{}), "count(nil)");
  EXPECT_EQ(render(Case<std::tuple<Int, std::string>>{{1, "a"}}), "count(1, \"a\")");
  EXPECT_EQ(render(Case<console::Labeled<Int, Int>>{console::labeled({"dx", "dy"}, Int{1}, Int{-2})}),
            "count(dx: 1, dy: -2)");
  EXPECT_EQ(render(Case<std::vector<Int>>{{}}), "count([])");
  EXPECT_EQ(debug(Case<console::CasePayload<std::optional<Int>>>{std::optional<Int>{}}), "Demo.count(nil)");
  EXPECT_EQ(render(Case<console::CasePayload<std::optional<Int>>>{}), "count");
}

static_assert(console::Renderable<std::vector<std::optional<std::string>>>);
static_assert(console::Renderable<Clock>);
static_assert(!console::Renderable<Plain>);  // only through a reference
static_assert(console::Renderable<std::shared_ptr<Plain>>);
static_assert(console::Renderable<const std::vector<std::map<std::string, std::tuple<Int, Clock>>>&>);
// A container, optional or tuple is printable only when what it holds is.
static_assert(!console::Renderable<std::vector<Plain>>);
static_assert(!console::Renderable<std::optional<Plain>>);
static_assert(!console::Renderable<std::tuple<Int, Plain>>);
static_assert(!console::Renderable<std::map<Int, Plain>>);
static_assert(!console::Renderable<std::shared_ptr<Int>>);  // references are to objects of classes
static_assert(!console::Renderable<const void*>);
static_assert(console::kind_of<Clock>() == console::Kind::described);
static_assert(console::kind_of<Point>() == console::Kind::record);
static_assert(console::kind_of<std::string>() == console::Kind::text);
static_assert(console::kind_of<std::map<Int, Int>>() == console::Kind::dictionary);

}  // namespace
