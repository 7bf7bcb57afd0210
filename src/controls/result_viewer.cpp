#include "controls/result_viewer.h"

#include <algorithm>

#include "filter/result_picks.h"
#include "front6/universe_6x.h"

namespace tesvik {

void ResultViewer::set_data(std::span<const std::uint8_t> removal, int kept, int separator_mode) {
  removal_.assign(removal.begin(), removal.end());
  kept_ = kept;
  separator_mode_ = separator_mode;
  set_timer_(kFirstDrawMs);
}

void ResultViewer::clear() {
  set_timer_(0);
  value_ = 0;
  max_ = 0;
  rows_.clear();
}

void ResultViewer::first_draw() {
  set_timer_(0);
  value_ = 0;
  max_ = std::max(kept_ - kRows, 0);
  draw(0);
}

void ResultViewer::scroll(int value) {
  if (max_ <= 0) return;
  value_ = std::clamp(value, 0, max_);
  draw(value_);
}

void ResultViewer::draw(int offset) {
  rows_.clear();
  const std::string_view sep = separator_6x(separator_mode_);
  int skip = offset;
  for (std::size_t i = 1; i < removal_.size() && rows_.size() < kRows; ++i) {
    if (removal_[i] || skip-- > 0) continue;
    rows_.push_back(line_6x(static_cast<int>(i), sep));
  }
}

}  // namespace tesvik
