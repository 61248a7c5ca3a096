#include "quillmere13/vector.h"

#include <gtest/gtest.h>

#include <concepts>
#include <cstdint>
#include <string>
#include <vector>

#include "console/engine.h"
#include "console/type_name.h"

// An adopter far from q13, with no using-declaration anywhere: its `==` must still be the one of q13.
// The other operator== of this namespace would hide q13's from ordinary lookup; only the adoption finds it.
namespace cartography {

struct Bearing {
  int degrees;
};
bool operator==(const Bearing& a, const Bearing& b) {
  return a.degrees == b.degrees;
}

struct Span : q13::AdoptsSimpleVector<Bearing> {
  Span(Bearing x, Bearing y) : x(x), y(y) {}
  Bearing x;
  Bearing y;
  std::string label;  // not a component: equality never reads it
};

// Has the shape of a SimpleVector but never declares the adoption, so it is not one.
struct LooksAlike {
  using Element = int;
  int x = 0;
  int y = 0;
};

bool spansMatch(const Span& a, const Span& b) {
  return a == b;
}

}  // namespace cartography

namespace q13 {
namespace {

using Strings = std::vector<std::string>;

// An element that counts how often it is compared, to see which components equality reads.
struct Probe {
  int id;
  static inline int comparisons = 0;
  friend bool operator==(const Probe& a, const Probe& b) {
    ++comparisons;
    return a.id == b.id;
  }
};

struct NoEquality {};

static_assert(SimpleVector<Vector<std::int64_t>> && SimpleVector<Vector<NoEquality>> &&
              SimpleVector<cartography::Span>);
static_assert(!SimpleVector<std::pair<int, int>> && !SimpleVector<cartography::LooksAlike>);
static_assert(std::equality_comparable<cartography::Span>);
static_assert(std::equality_comparable<Vector<Strings>>);
static_assert(!std::equality_comparable<Vector<NoEquality>>, "no equality when the element has none");

TEST(VectorTest, PrintsAsRecordWithFullGenericName) {
  EXPECT_EQ(console::render(Vector<Strings>{{}, {"黒", "noir", "schwarz"}}),
            "Vector<Array<String>>(x: [], y: [\"黒\", \"noir\", \"schwarz\"])");
  EXPECT_EQ(console::render(Vector<Strings>{}), "Vector<Array<String>>(x: [], y: [])");
  EXPECT_EQ(console::render(Vector<std::int64_t>{1, 2}), "Vector<Int>(x: 1, y: 2)");
  EXPECT_EQ(console::type_name<Vector<std::optional<std::int64_t>>>(), "Vector<Optional<Int>>");
}

TEST(VectorTest, CopyIsIndependent) {
  const Vector<std::int64_t> original{1, 2};
  auto copy = original;
  copy.x = 10;
  EXPECT_EQ(original.x, 1);
  EXPECT_EQ(copy.y, 2);
}

TEST(VectorTest, EqualityComparesBothComponents) {
  const Vector<std::int64_t> v{1, 2};
  EXPECT_TRUE(v == (Vector<std::int64_t>{1, 2}));
  EXPECT_FALSE(v == (Vector<std::int64_t>{1, 3}));
  EXPECT_FALSE(v == (Vector<std::int64_t>{0, 2}));
  EXPECT_TRUE(v != (Vector<std::int64_t>{2, 1}));
}

TEST(VectorTest, EqualityDoesNotReadYWhenXDiffers) {
  Probe::comparisons = 0;
  EXPECT_FALSE((Vector<Probe>{{1}, {5}} == Vector<Probe>{{2}, {5}}));
  EXPECT_EQ(Probe::comparisons, 1);
  Probe::comparisons = 0;
  EXPECT_FALSE((Vector<Probe>{{1}, {5}} == Vector<Probe>{{1}, {6}}));
  EXPECT_EQ(Probe::comparisons, 2);
}

TEST(VectorTest, EqualityServesAnAdopterInAnotherNamespace) {
  cartography::Span north({0}, {10});
  north.label = "north";
  cartography::Span same({0}, {10});
  EXPECT_TRUE(cartography::spansMatch(north, same));
  EXPECT_FALSE(cartography::spansMatch(north, cartography::Span({0}, {11})));
  EXPECT_FALSE(cartography::spansMatch(north, cartography::Span({1}, {10})));
  EXPECT_TRUE(north != cartography::Span({5}, {10}));
}

}  // namespace
}  // namespace q13
