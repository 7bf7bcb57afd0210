#pragma once
// Where every panel, caption and control of a page stands, in pixels, as
// plain data: the Qt window places its widgets at these rectangles and the
// browser page draws there, so both show one layout. Only the widths of
// texts come from the face, through TextMeasure.

#include <string_view>
#include <vector>

#include "app/controls.h"

namespace tesvik {

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  int right() const { return x + w; }
  int bottom() const { return y + h; }
  bool contains(const Rect& o) const { return o.x >= x && o.y >= y && o.right() <= right() && o.bottom() <= bottom(); }
  bool overlaps(const Rect& o) const { return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom(); }
  bool operator==(const Rect&) const = default;
};

// A tolerance selector (rc_q6) is two lists of this width, "至" between
// them, two pixels apart.
inline constexpr int kSelectorListWidth = 40;  // 600 twips
inline constexpr int kSelectorSpacing = 2;

// The fonts of a page: the face's font, one point smaller for rows of long
// captions, and bold for panel titles.
enum class TextStyle { Normal, Small, Bold };

class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // Width of one line of UTF-8 text.
  virtual int width(std::string_view text, TextStyle style = TextStyle::Normal) const = 0;
  virtual int line_height() const = 0;
};

struct PlacedControl {
  ControlRef ref;
  Rect rect;
  TextStyle style = TextStyle::Normal;
  int sub_panel = -1;     // shown only with this sub-panel; -1 always
  std::string_view hint;  // a count label's prefix, a prize box's placeholder
};

struct PlacedText {
  std::string_view text;
  Rect rect;
  TextStyle style = TextStyle::Normal;
  int sub_panel = -1;
};

struct PlacedPanel {
  Rect frame;
  int sub_panel = -1;
};

// A one-line box whose Enter key presses a button ("兑奖查询").
struct EnterPress {
  ControlRef box;
  ControlRef button;
};

struct PageGeometry {
  int width = 0;
  int height = 0;
  std::vector<PlacedPanel> panels;
  std::vector<PlacedText> texts;
  std::vector<PlacedControl> controls;
  std::vector<EnterPress> enter_presses;
  // nullptr when the page does not show the control.
  const PlacedControl* find(ControlRef ref) const;
};

// The page of front three (0), four (1), five (2) or six (3).
PageGeometry page_geometry(int page, const TextMeasure& measure);

}  // namespace tesvik
