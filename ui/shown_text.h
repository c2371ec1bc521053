#pragma once

// What a text box shows of a text that grows at its end, kept as its length
// and its last bytes rather than as a copy: free typing appends one letter
// at a time to a text that may grow to book length, and each key must cost
// the same however long the text has grown.
//
// The window changes a text box's text in two ways only: typing appends to
// it, and entering a mode sets it anew (the practice text, the free-typing
// prompt). An append leaves the shown bytes as they were; a new text is told
// by its length (it is shorter) or by the bytes just before the old end. A
// new text at least as long as the old, agreeing with it in those bytes,
// would pass for an append; the window sets no such text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace arvan {

class ShownText {
 public:
  // The bytes that `now` adds to what is shown, or nullopt if `now` is not
  // what is shown with bytes appended.
  [[nodiscard]] std::optional<std::string_view> appendedIn(const std::string& now) const;
  // `now` is what the box shows from here on.
  void remember(const std::string& now);

 private:
  static constexpr std::size_t kTailBytes = 64;

  std::size_t length_ = 0;
  std::string tail_;  // the last kTailBytes bytes shown, or all of them
};

}  // namespace arvan
