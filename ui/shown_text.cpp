#include "ui/shown_text.h"

#include <algorithm>

namespace arvan {

std::optional<std::string_view> ShownText::appendedIn(const std::string& now) const {
  if (now.size() < length_) return std::nullopt;
  const std::string_view before =
      std::string_view(now).substr(length_ - tail_.size(), tail_.size());
  if (before != tail_) return std::nullopt;
  return std::string_view(now).substr(length_);
}

void ShownText::remember(const std::string& now) {
  length_ = now.size();
  const std::size_t kept = std::min(now.size(), kTailBytes);
  tail_.assign(now, now.size() - kept, kept);
}

}  // namespace arvan
