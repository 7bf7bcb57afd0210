#include "app/window/line_index.h"

#include <algorithm>

namespace tesvik {

namespace {

// Appends the start of every line that a CR LF in text[from, to) opens.
void add_starts(std::string_view text, std::size_t from, std::size_t to, std::vector<std::size_t>& out) {
  const std::string_view part = text.substr(0, to);
  for (std::size_t at = part.find("\r\n", from); at != std::string_view::npos; at = part.find("\r\n", at + 2))
    out.push_back(at + 2);
}

}  // namespace

void LineIndex::reset(std::string_view text) {
  starts_.assign(1, 0);
  add_starts(text, 0, text.size(), starts_);
  size_ = text.size();
}

void LineIndex::replace(std::string_view text, std::size_t at, std::size_t removed, std::size_t added) {
  // Lines that start inside the removed bytes go; later ones move by the
  // change in length; the inserted bytes bring their own.
  const auto first = std::upper_bound(starts_.begin(), starts_.end(), at);
  const auto last = std::upper_bound(first, starts_.end(), at + removed);
  for (auto it = last; it != starts_.end(); ++it) *it = *it - removed + added;
  std::vector<std::size_t> inserted;
  add_starts(text, at, at + added, inserted);
  const auto kept = starts_.erase(first, last);
  starts_.insert(kept, inserted.begin(), inserted.end());
  size_ = text.size();
}

std::size_t LineIndex::line_of(std::size_t at) const {
  return static_cast<std::size_t>(std::upper_bound(starts_.begin(), starts_.end(), at) - starts_.begin()) - 1;
}

}  // namespace tesvik
