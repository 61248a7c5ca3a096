#include "quillmere08/pairs.h"

#include "console/engine.h"
#include "console/print.h"
#include "console/type_name.h"

namespace q08 {

std::string scoreText(std::int64_t total, std::int64_t level, std::string_view rank) {
  return console::cat(total, ": A, Level=", level, ", ", 1000, "pt, ", rank);
}

namespace pair3 {
void A::show() {
  console::print(console::type<A>);
}
void B::show() {
  console::print(console::type<B>);
}
}  // namespace pair3

namespace pair4 {
void A::Type::show() const {
  console::print(console::type<A>);
}
void B::Type::show() const {
  console::print(console::type<B>);
}
}  // namespace pair4

namespace pair5 {
void A::Type::show() const {
  console::print(console::type<A>);
}
void B::Type::show() const {
  console::print(console::type<B>);
}
}  // namespace pair5

}  // namespace q08
