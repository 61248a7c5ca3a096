// Optional chaining: walk from an optional start through a series of steps,
// stopping at the first step that finds nothing.
//
//   chain(student->club, &Club::teacher, &Teacher::name)   // std::optional<std::string>
//   chain(student->club, &Club::isOfficial)                // std::optional<bool>
//   chain(student->club, [](Club& c) { c.budget += 5000; })  // std::optional<console::Void>
//   force_chain(student->club, &Club::teacher, &Teacher::name)  // std::string, or the program stops
//
// Rules:
//   - The start and every step's result may be "optional-like": a
//     std::optional, a std::weak_ptr (read through lock()) or a std::shared_ptr
//     (a null one counts as empty). An empty one ends the chain: the remaining
//     steps, including an operation at the end, are not evaluated.
//   - A step is anything std::invoke accepts with the current value: a data
//     member pointer (a property), a member function pointer (a method), a
//     lambda (an operation or assignment). Objects behind a shared_ptr are
//     passed as references to the object.
//   - The result is always a single std::optional of the last value: a chain
//     that ends in an optional property gives std::optional<T>, never an
//     optional of an optional; a step that returns nothing gives
//     std::optional<console::Void>, engaged when the step ran.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include "console/checked.h"
#include "console/traits.h"
#include "console/type_name.h"
#include "console/values.h"

namespace q09 {

namespace chain_detail {

// Runs one step on a present value; an object behind a shared_ptr is passed by
// reference. A step without a result yields console::Void so that the chain can
// continue (or end) uniformly.
template <class Value, class Step>
decltype(auto) run_step(Value&& value, Step&& step) {
  auto invoke = [&]() -> decltype(auto) {
    if constexpr (console::is_shared_ptr<std::remove_cvref_t<Value>>::value) {
      return std::invoke(std::forward<Step>(step), *value);
    } else {
      return std::invoke(std::forward<Step>(step), std::forward<Value>(value));
    }
  };
  if constexpr (std::is_void_v<decltype(invoke())>) {
    invoke();
    return console::Void{};
  } else {
    return invoke();
  }
}

template <class Value, class... Steps>
auto proceed(Value&& value, Steps&&... steps);

// `value` is known to be present: apply the next step, or end the chain.
template <class Value, class... Steps>
auto proceed_present(Value&& value, Steps&&... steps) {
  if constexpr (sizeof...(Steps) == 0) {
    return std::optional<std::remove_cvref_t<Value>>(std::forward<Value>(value));
  } else {
    return [&]<class Step, class... Rest>(Step&& step, Rest&&... rest) {
      return proceed(run_step(std::forward<Value>(value), std::forward<Step>(step)),
                     std::forward<Rest>(rest)...);
    }(std::forward<Steps>(steps)...);
  }
}

template <class Value, class... Steps>
auto proceed(Value&& value, Steps&&... steps) {
  using V = std::remove_cvref_t<Value>;
  if constexpr (!console::OptionalLike<V>) {
    return proceed_present(std::forward<Value>(value), std::forward<Steps>(steps)...);
  } else if constexpr (console::is_shared_ptr<V>::value) {
    using Result = decltype(proceed_present(std::forward<Value>(value), std::forward<Steps>(steps)...));
    if (!value) {
      return Result{};
    }
    return proceed_present(std::forward<Value>(value), std::forward<Steps>(steps)...);
  } else if constexpr (console::is_weak_ptr<V>::value) {
    // A weak reference: pinned by a strong one for the rest of the chain.
    auto pinned = value.lock();
    using Result = decltype(proceed(pinned, std::forward<Steps>(steps)...));
    if (!pinned) {
      return Result{};
    }
    return proceed(pinned, std::forward<Steps>(steps)...);
  } else {
    // The wrapped value may itself be optional-like (a reference that is null, say): it goes through the
    // same checks before any step runs on it.
    using Result = decltype(proceed(*std::forward<Value>(value), std::forward<Steps>(steps)...));
    if (!value) {
      return Result{};
    }
    return proceed(*std::forward<Value>(value), std::forward<Steps>(steps)...);
  }
}

}  // namespace chain_detail

// Evaluates `start` then each step in turn while values are present; see the
// rules above. Returns std::optional of the last step's (unwrapped) result.
template <class Start, class... Steps>
auto chain(Start&& start, Steps&&... steps) {
  return chain_detail::proceed(std::forward<Start>(start), std::forward<Steps>(steps)...);
}

// Forced chaining: the value at the end of the steps, every one of which must find something;
// the program stops (console::force) at the first empty step.
//   force_chain(student->club, &Club::teacher, &Teacher::name)   // std::string
template <class Start, class... Steps>
auto force_chain(Start&& start, Steps&&... steps) {
  return console::force(chain(std::forward<Start>(start), std::forward<Steps>(steps)...));
}

// A step that looks up `key` in a dictionary: present when the key is there.
//   chain(officers, entry("会長"), &Student::name)
template <class Key>
auto entry(Key key) {
  return [key = std::move(key)](const auto& dictionary)
             -> std::optional<typename std::remove_cvref_t<decltype(dictionary)>::mapped_type> {
    const auto found = dictionary.find(key);
    if (found == dictionary.end()) {
      return std::nullopt;
    }
    return found->second;
  };
}

}  // namespace q09
