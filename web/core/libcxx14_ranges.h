// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Arvan developers
#pragma once

// The browser build only (force-included by web/CMakeLists.txt): emscripten
// 3.1.6 ships libc++ 14, which has <ranges> without its algorithms and
// without views::iota. The few the core uses are given here, constexpr like
// the real ones; with a libc++ that has them this header adds nothing.

#include <algorithm>
#include <iterator>
#include <ranges>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 15000

_LIBCPP_BEGIN_NAMESPACE_STD
namespace ranges {

template <class Range, class Predicate>
constexpr bool any_of(Range&& range, Predicate predicate) {
  for (auto&& x : range) {
    if (predicate(x)) return true;
  }
  return false;
}

template <class Range, class Predicate>
constexpr std::ptrdiff_t count_if(Range&& range, Predicate predicate) {
  std::ptrdiff_t n = 0;
  for (auto&& x : range) {
    if (predicate(x)) ++n;
  }
  return n;
}

template <class Range, class Value>
constexpr auto find(Range&& range, const Value& value) {
  auto it = std::begin(range);
  for (; it != std::end(range); ++it) {
    if (*it == value) break;
  }
  return it;
}

}  // namespace ranges

namespace views {

struct IotaRange {
  struct Iterator {
    int value;
    constexpr int operator*() const { return value; }
    constexpr Iterator& operator++() {
      ++value;
      return *this;
    }
    constexpr bool operator!=(const Iterator& other) const { return value != other.value; }
    constexpr bool operator==(const Iterator& other) const { return value == other.value; }
  };
  int first;
  int last;
  constexpr Iterator begin() const { return {first}; }
  constexpr Iterator end() const { return {last}; }
};

constexpr IotaRange iota(int first, int last) { return {first, last}; }

}  // namespace views
_LIBCPP_END_NAMESPACE_STD

#endif
