// Reply: an answer to an invitation; one kind of answer carries the companion's name.
//
// Cases, in order: attendWith(companion), attend, notAttend. Only attendWith holds a text. Inspect a reply
// with visit(), which hands the case (and the companion) to the matching function:
//
//   reply.visit([](const Reply::AttendWith& a) { ... a.companion ... },
//               [](Reply::Attend) { ... }, [](Reply::NotAttend) { ... });
//
// A reply prints as its case, attendWith with the companion in parentheses: attendWith("伊月"), attend.
//
// attendees(name, reply) is who comes for one invited person; flattening a dictionary of replies with it
// gives everyone who comes, each companion right after the person who brings them.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "console/description.h"

namespace q13 {

class Reply {
 public:
  struct AttendWith {
    std::string companion;
  };
  struct Attend {};
  struct NotAttend {};

  static Reply attendWith(std::string companion) { return Reply(AttendWith{std::move(companion)}); }
  static Reply attend() { return Reply(Attend{}); }
  static Reply notAttend() { return Reply(NotAttend{}); }

  // Calls the one of `handlers` that takes the case this reply holds.
  template <class... Handlers>
  decltype(auto) visit(Handlers&&... handlers) const {
    struct Overloads : std::remove_cvref_t<Handlers>... {
      using std::remove_cvref_t<Handlers>::operator()...;
    };
    return std::visit(Overloads{std::forward<Handlers>(handlers)...}, value_);
  }

  // The case's name and, for attendWith only, its payload: the enumeration's console form.
  std::string_view case_name() const {
    return visit([](const AttendWith&) { return "attendWith"; }, [](Attend) { return "attend"; },
                 [](NotAttend) { return "notAttend"; });
  }
  console::CasePayload<std::string> payload() const {
    if (const auto* with = std::get_if<AttendWith>(&value_)) return with->companion;
    return {};
  }

 private:
  explicit Reply(std::variant<AttendWith, Attend, NotAttend> value) : value_(std::move(value)) {}

  std::variant<AttendWith, Attend, NotAttend> value_;
};

// The invited person followed by the companion, the person alone, or nobody.
inline std::vector<std::string> attendees(const std::string& invited, const Reply& reply) {
  return reply.visit(
      [&](const Reply::AttendWith& with) {
        return std::vector<std::string>{invited, with.companion};
      },
      [&](Reply::Attend) { return std::vector<std::string>{invited}; },
      [](Reply::NotAttend) { return std::vector<std::string>{}; });
}

}  // namespace q13
