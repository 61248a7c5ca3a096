#include "quillmere09/keypath.h"

namespace q09::keypath::detail {

std::string printed_type(Kind kind, std::string_view root, std::string_view value) {
  std::string out;
  switch (kind) {
    case Kind::read_only:
      out = "KeyPath<";
      break;
    case Kind::writable:
      out = "WritableKeyPath<";
      break;
    case Kind::reference_writable:
      out = "ReferenceWritableKeyPath<";
      break;
  }
  out += root;
  out += ", ";
  out += value;
  out += '>';
  return out;
}

}  // namespace q09::keypath::detail
