// Sequence building blocks the standard library of this compiler does not offer yet, in the shape the
// driver uses them: a reversed view that keeps its base as its one stored field, pair-wise zip, enumerate,
// a repeated value, and collecting a range into an array.
//
//   for (auto [name, n] : q13::zip(names, std::views::iota(1))) ...  // stops at the shorter one
//   q13::reversed(names)  // prints "ReversedCollection<Array<String>>(_base: [...])"
#pragma once

#include <cstdint>
#include <iterator>
#include <ranges>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "console/record.h"
#include "console/type_name.h"
#include "console/values.h"

namespace q13 {

// The elements of a range, collected into an array.
template <std::ranges::input_range R>
std::vector<std::ranges::range_value_t<R>> to_vector(R&& range) {
  std::vector<std::ranges::range_value_t<R>> out;
  if constexpr (std::ranges::sized_range<R>) out.reserve(std::ranges::size(range));
  for (auto&& element : range) out.push_back(std::forward<decltype(element)>(element));
  return out;
}

// A lazy reversed view that owns a copy of its base collection, its one stored field.
template <std::ranges::bidirectional_range Base>
struct ReversedCollection {
  Base _base;

  static std::string type_name() { return "ReversedCollection<" + console::type_name<Base>() + ">"; }
  static constexpr auto fields() { return std::tuple{console::let("_base", &ReversedCollection::_base)}; }

  auto begin() const { return std::make_reverse_iterator(std::ranges::end(_base)); }
  auto end() const { return std::make_reverse_iterator(std::ranges::begin(_base)); }
};

template <std::ranges::bidirectional_range Base>
ReversedCollection<Base> reversed(Base base) {
  return ReversedCollection<Base>{std::move(base)};
}

// Pairs of the elements of two ranges, in step, ending with the shorter range.
template <std::ranges::view A, std::ranges::view B>
class ZipView : public std::ranges::view_interface<ZipView<A, B>> {
 public:
  ZipView(A a, B b) : a_(std::move(a)), b_(std::move(b)) {}

  class Iterator {
   public:
    using value_type = std::pair<std::ranges::range_value_t<A>, std::ranges::range_value_t<B>>;
    using difference_type = std::ptrdiff_t;

    Iterator() = default;
    explicit Iterator(ZipView& parent)
        : a_(std::ranges::begin(parent.a_)),
          b_(std::ranges::begin(parent.b_)),
          a_end_(std::ranges::end(parent.a_)),
          b_end_(std::ranges::end(parent.b_)) {}

    value_type operator*() const { return value_type(*a_, *b_); }
    Iterator& operator++() {
      ++a_;
      ++b_;
      return *this;
    }
    void operator++(int) { ++*this; }
    friend bool operator==(const Iterator& it, std::default_sentinel_t) {
      return it.a_ == it.a_end_ || it.b_ == it.b_end_;
    }

   private:
    std::ranges::iterator_t<A> a_{};
    std::ranges::iterator_t<B> b_{};
    std::ranges::sentinel_t<A> a_end_{};
    std::ranges::sentinel_t<B> b_end_{};
  };

  Iterator begin() { return Iterator(*this); }
  std::default_sentinel_t end() { return {}; }

 private:
  A a_;
  B b_;
};

template <std::ranges::viewable_range A, std::ranges::viewable_range B>
auto zip(A&& a, B&& b) {
  return ZipView<std::views::all_t<A>, std::views::all_t<B>>(std::views::all(std::forward<A>(a)),
                                                             std::views::all(std::forward<B>(b)));
}

// (offset: n, element: e) for each element, offsets counting from 0.
template <std::ranges::viewable_range R>
auto enumerated(R&& range) {
  return zip(std::views::iota(std::int64_t{0}), std::forward<R>(range)) |
         std::views::transform([](auto pair) {
           return console::labeled({"offset", "element"}, pair.first, std::move(pair.second));
         });
}

// The two parts of an enumerated pair, by their labels: offset(pair), element(pair).
inline constexpr auto offset = [](const auto& pair) -> const auto& {
  return pair.template get<0>();
};
inline constexpr auto element = [](const auto& pair) -> const auto& {
  return pair.template get<1>();
};

// `count` copies of `value`, made lazily.
template <class T>
auto repeated(T value, std::int64_t count) {
  return std::views::iota(std::int64_t{0}, count) |
         std::views::transform([value](std::int64_t) { return value; });
}

}  // namespace q13
