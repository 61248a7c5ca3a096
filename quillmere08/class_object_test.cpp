#include "quillmere08/class_object.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

#include "console/engine.h"
#include "console/type_name.h"
#include "quillmere08/cast.h"
#include "quillmere08/clock.h"
#include "quillmere08/pairs.h"

namespace q08 {
namespace {

// A hierarchy no section uses. Bell declares a class method and a required initialiser; Chime overrides the
// method; Gong and Peal declare nothing at all, which is all a subclass has to do to answer as itself.
class Bell : public ClassRoot<Bell> {
 public:
  struct Type : MetatypeOf<Bell, ClassObject>, RequiredInitialiser<Bell, int> {
    virtual std::string sound() const { return "ding"; }
  };
  Bell(const Init& init, int size) : ClassRoot(init), size(size) {}
  const int size;
};

class Chime : public Bell {
 public:
  struct Type : MetatypeOf<Chime, Bell::Type> {
    std::string sound() const override { return "ting"; }
  };
  using Bell::Bell;
};

class Gong : public Bell {
 public:
  using Bell::Bell;
};

class Peal : public Chime {
 public:
  Peal(const Init& init, int size) : Chime(init, size * 2) {}
};

// Takes a name where the hierarchy requires a size: it cannot be made, not even through its own initialiser.
class Muffled : public Bell {
 public:
  Muffled(const Init& init, std::string) : Bell(init, 0) {}
};

TEST(ClassObjectTest, PrintsTheClassAndItsTypePrintsDotType) {
  EXPECT_EQ(console::render(classObject<A>()), "A");
  EXPECT_EQ(console::render(classObject<B>()), "B");
  EXPECT_EQ(console::render(console::type_of(classObject<A>())), "A.Type");
  EXPECT_EQ(console::render(console::type_of(classObject<Gong>())), "Gong.Type");
  EXPECT_EQ(console::type_name<A::Type>(), "A.Type");
  const A::Type& held = classObject<B>();
  EXPECT_EQ(console::cat(held, " ", console::type_of(held)), "B A.Type");
}

TEST(ClassObjectTest, OneObjectPerClassSoEqualityIsExact) {
  std::shared_ptr<A> b = make<B>();
  std::shared_ptr<A> c = make<C>();
  EXPECT_EQ(b->dynamicType(), classObject<B>());
  EXPECT_NE(b->dynamicType(), classObject<A>());
  EXPECT_EQ(c->dynamicType(), classObject<C>());
  EXPECT_EQ(&classObject<A>(), &classObject<A>());
}

TEST(ClassObjectTest, ASubclassThatDeclaresNothingAnswersAsItself) {
  const std::shared_ptr<Bell> gong = make<Gong>(3);
  const std::shared_ptr<Bell> peal = make<Peal>(3);
  EXPECT_EQ(gong->dynamicType(), classObject<Gong>());
  EXPECT_EQ(console::render(gong->dynamicType()), "Gong");
  EXPECT_EQ(console::render(peal->dynamicType()), "Peal");
  // Class methods a subclass does not override are its base class's.
  EXPECT_EQ(gong->dynamicType().sound(), "ding");
  EXPECT_EQ(peal->dynamicType().sound(), "ting");
  EXPECT_EQ(make<Chime>(1)->dynamicType().sound(), "ting");
}

TEST(ClassObjectTest, TheRequiredInitialiserMakesAnObjectOfTheDynamicClass) {
  const std::shared_ptr<Bell> peal = make<Peal>(3);
  const auto another = peal->dynamicType().make(5);
  ASSERT_TRUE(is<Peal>(another));
  EXPECT_EQ(another->dynamicType(), classObject<Peal>());
  EXPECT_EQ(another->size, 10);  // through Peal's own initialiser
  EXPECT_NE(another, peal);
  const auto gong = classObject<Gong>().make(4);
  EXPECT_EQ(gong->dynamicType(), classObject<Gong>());
  EXPECT_EQ(gong->size, 4);
  EXPECT_TRUE(is<Bell>(classObject<Bell>().make(1)));
  EXPECT_FALSE(is<Chime>(classObject<Bell>().make(1)));
}

// Objects are made only through make<T>: nothing else can produce the Init that every constructor needs,
// and a class without the hierarchy's required initialiser cannot be made at all.
static_assert(!std::is_constructible_v<Bell, int> && !std::is_constructible_v<Gong, int>);
static_assert(!std::is_default_constructible_v<Init> && !std::is_copy_constructible_v<Init>);
static_assert(Makeable<Gong, int> && Makeable<Peal, int> && !Makeable<Gong, std::string>);
static_assert(!Makeable<Muffled, std::string>);
static_assert(!std::is_copy_constructible_v<Gong>, "an object is never copied, so never with another class");

TEST(ProtocolTest, OnlyConformingClassesPass) {
  std::shared_ptr<A> a = make<A>();
  std::shared_ptr<A> b = make<B>();
  std::shared_ptr<A> c = make<C>();
  EXPECT_FALSE(conforms<P>(*a));
  EXPECT_FALSE(conforms<P>(*b));
  EXPECT_TRUE(conforms<P>(*c));
}

TEST(CastsTest, TypeTestsAcceptSubclasses) {
  std::shared_ptr<A> b = make<B>();
  EXPECT_TRUE(is<A>(b));
  EXPECT_TRUE(is<B>(b));
  EXPECT_FALSE(is<C>(b));
}

}  // namespace
}  // namespace q08
