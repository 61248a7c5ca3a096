#include "quillmere08/avatar.h"

#include "console/print.h"
#include "console/type_name.h"

namespace q08 {

void Avatar::Type::say() const {
  console::print(console::type<Avatar>);
}
void Player::Type::say() const {
  console::print(console::type<Player>);
}

}  // namespace q08
