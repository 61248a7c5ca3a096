#include "quillmere13/vector.h"

#include <gtest/gtest.h>

#include <concepts>
#include <cstdint>
#include <string>
#include <vector>

#include "console/render.h"

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

// Another adopter of SimpleVector, to show that equality is written once for all of them.
struct Segment {
  using Element = double;
  double x = 0;
  double y = 0;
  double length = 0;  // not a component: equality never reads it
};

static_assert(SimpleVector<Vector<std::int64_t>> && SimpleVector<Vector<NoEquality>> &&
              SimpleVector<Segment>);
static_assert(!SimpleVector<std::pair<int, int>>);
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

TEST(VectorTest, EqualityServesEveryAdopter) {
  EXPECT_TRUE((Segment{1.0, 2.0, 3.0} == Segment{1.0, 2.0, 99.0}));
  EXPECT_FALSE((Segment{1.0, 2.0, 3.0} == Segment{1.0, 2.5, 3.0}));
}

}  // namespace
}  // namespace q13
