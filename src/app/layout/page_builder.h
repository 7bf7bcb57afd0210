#pragma once
// The pieces the page geometries are built from: a builder that records
// controls, captions and panel frames, a line that places items from both
// ends, and the three columns that panels fill shortest first.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "app/layout/page_geometry.h"

namespace tesvik {

inline constexpr int kSmall = 20;  // height of a one-line button, width of "清"
inline constexpr int kHelpWidth = 36;
inline constexpr int kComboHeight = 20;
inline constexpr int kLineEditHeight = 22;

// A panel's frame and margins: its content starts this far inside.
inline constexpr int kPanelLeft = 4;
inline constexpr int kPanelTop = 3;
inline constexpr int kPanelRight = 4;
inline constexpr int kPanelBottom = 4;

class PageBuilder {
 public:
  explicit PageBuilder(const TextMeasure& measure) : measure_(measure) {}
  const TextMeasure& measure() const { return measure_; }
  int text_width(std::string_view text, TextStyle style = TextStyle::Normal) const;
  // The width of a row's buttons that shows the widest of its captions.
  int button_width(std::span<const std::string> captions, TextStyle style = TextStyle::Normal) const;
  // Items added from now on belong to this sub-panel (-1: to none).
  void in_sub_panel(int sub_panel) { sub_panel_ = sub_panel; }

  void control(ControlRef ref, Rect rect, TextStyle style = TextStyle::Normal, std::string_view hint = {});
  void text(std::string_view text, Rect rect, TextStyle style = TextStyle::Normal);
  void panel(Rect frame);
  void enter_presses(ControlRef box, ControlRef button) { page_.enter_presses.push_back({box, button}); }
  PageGeometry finish(int width, int height);

 private:
  const TextMeasure& measure_;
  PageGeometry page_;
  int sub_panel_ = -1;
};

// A line of items, one pixel apart: from the left edge rightwards, and from
// the right edge leftwards (the right-most first). Its height is that of
// its highest item.
class Line {
 public:
  Line(PageBuilder& page, int x, int y, int width, int spacing = 1)
      : page_(page), left_(x), right_(x + width), y_(y), spacing_(spacing) {}
  Rect left(int w, int h);
  Rect right(int w, int h);
  Rect left_text(std::string_view text, TextStyle style = TextStyle::Normal);
  Rect right_text(std::string_view text);
  void left(ControlRef ref, int w, int h) { page_.control(ref, left(w, h)); }
  void right(ControlRef ref, int w, int h) { page_.control(ref, right(w, h)); }
  // The room left between the two ends.
  int room() const { return right_ - left_; }
  int next_x() const { return left_; }
  int height() const { return height_; }

 private:
  PageBuilder& page_;
  int left_;
  int right_;
  int y_;
  int spacing_;
  int height_ = 0;
};

// A tolerance pair from the right end of a line: upper box, "至", lower box,
// caption; the boxes are `lower` and the index after it.
void right_range(Line& line, std::string_view caption, ControlRef lower, int width);

// Three columns of panels side by side from (x, y), `width` each and four
// pixels apart: each panel goes into the column that is shortest so far.
class PanelColumns {
 public:
  PanelColumns(int x, int y, int width) : x_(x), y_(y), width_(width) {}
  // Where the next panel starts; place() then takes its height.
  struct Slot {
    int x;
    int y;
    std::size_t column;
  };
  Slot next() const;
  void place(const Slot& slot, int height);
  int right() const { return x_ + 3 * (width_ + kColumnSpacing) - kColumnSpacing; }
  int bottom() const;

  static constexpr int kColumnSpacing = 4;
  static constexpr int kPanelSpacing = 2;

 private:
  int x_;
  int y_;
  int width_;
  std::array<int, 3> heights_{};
};

}  // namespace tesvik
