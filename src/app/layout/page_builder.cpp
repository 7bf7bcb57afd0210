#include "app/layout/page_builder.h"

#include <algorithm>

namespace tesvik {

int PageBuilder::text_width(std::string_view text, TextStyle style) const {
  // A caption's lines are CR LF apart; the widest line counts.
  int widest = 0;
  for (std::size_t at = 0;;) {
    const std::size_t end = text.find("\r\n", at);
    widest = std::max(widest, measure_.width(text.substr(at, end == std::string_view::npos ? end : end - at), style));
    if (end == std::string_view::npos) return widest;
    at = end + 2;
  }
}

int PageBuilder::button_width(std::span<const std::string> captions, TextStyle style) const {
  int widest = 0;
  for (const std::string& c : captions) widest = std::max(widest, text_width(c, style));
  return std::max(kSmall - 1, widest + 6);
}

void PageBuilder::control(ControlRef ref, Rect rect, TextStyle style, std::string_view hint) {
  page_.controls.push_back({ref, rect, style, sub_panel_, hint});
}

void PageBuilder::text(std::string_view text, Rect rect, TextStyle style) {
  page_.texts.push_back({text, rect, style, sub_panel_});
}

void PageBuilder::panel(Rect frame) { page_.panels.push_back({frame, sub_panel_}); }

PageGeometry PageBuilder::finish(int width, int height) {
  page_.width = width;
  page_.height = height;
  return std::move(page_);
}

Rect Line::left(int w, int h) {
  const Rect r{left_, y_, w, h};
  left_ += w + spacing_;
  height_ = std::max(height_, h);
  return r;
}

Rect Line::right(int w, int h) {
  right_ -= w;
  const Rect r{right_, y_, w, h};
  right_ -= spacing_;
  height_ = std::max(height_, h);
  return r;
}

// Captions stand in the middle of a line of buttons.
Rect Line::left_text(std::string_view text, TextStyle style) {
  Rect r = left(page_.text_width(text, style), page_.measure().line_height());
  r.y += std::max(0, kSmall - r.h) / 2;
  page_.text(text, r, style);
  return r;
}

Rect Line::right_text(std::string_view text) {
  Rect r = right(page_.text_width(text), page_.measure().line_height());
  r.y += std::max(0, kSmall - r.h) / 2;
  page_.text(text, r);
  return r;
}

void right_range(Line& line, std::string_view caption, ControlRef lower, int width) {
  line.right({lower.array, lower.index + 1}, width, kComboHeight);
  line.right_text("至");
  line.right(lower, width, kComboHeight);
  line.right_text(caption);
}

PanelColumns::Slot PanelColumns::next() const {
  const auto c = static_cast<std::size_t>(std::min_element(heights_.begin(), heights_.end()) - heights_.begin());
  return {x_ + static_cast<int>(c) * (width_ + kColumnSpacing), y_ + heights_[c], c};
}

void PanelColumns::place(const Slot& slot, int height) { heights_[slot.column] += height + kPanelSpacing; }

int PanelColumns::bottom() const { return y_ + *std::max_element(heights_.begin(), heights_.end()) - kPanelSpacing; }

}  // namespace tesvik
