#include "quillmere08/class_object.h"

#include <gtest/gtest.h>

#include "console/render.h"
#include "quillmere08/cast.h"
#include "quillmere08/pairs.h"

namespace q08 {
namespace {

TEST(ClassObject, PrintsTheClassAndItsTypePrintsDotType) {
  EXPECT_EQ(console::render(A::self()), "A");
  EXPECT_EQ(console::render(B::self()), "B");
  EXPECT_EQ(console::render(console::type_of(A::self())), "A.Type");
  EXPECT_EQ(console::type_name<B::Type>(), "B.Type");
  const A::Type& held = B::self();
  EXPECT_EQ(console::cat(held, " ", console::type_of(held)), "B A.Type");
}

TEST(ClassObject, OneObjectPerClassSoEqualityIsExact) {
  std::shared_ptr<A> b = std::make_shared<B>();
  std::shared_ptr<A> c = std::make_shared<C>();
  EXPECT_EQ(b->dynamicType(), B::self());
  EXPECT_NE(b->dynamicType(), A::self());
  EXPECT_EQ(c->dynamicType(), C::self());
  EXPECT_EQ(&A::self(), &class_object<A>());
}

TEST(ProtocolTest, OnlyConformingClassesPass) {
  std::shared_ptr<A> a = std::make_shared<A>();
  std::shared_ptr<A> b = std::make_shared<B>();
  std::shared_ptr<A> c = std::make_shared<C>();
  EXPECT_FALSE(conforms<P>(*a));
  EXPECT_FALSE(conforms<P>(*b));
  EXPECT_TRUE(conforms<P>(*c));
}

TEST(Casts, TypeTestsAcceptSubclasses) {
  std::shared_ptr<A> b = std::make_shared<B>();
  EXPECT_TRUE(is<A>(b));
  EXPECT_TRUE(is<B>(b));
  EXPECT_FALSE(is<C>(b));
}

}  // namespace
}  // namespace q08
