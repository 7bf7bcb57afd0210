#pragma once
// The size of the front-six result viewer, which both faces draw alike.

#include "app/layout/page_geometry.h"

namespace tesvik {

// The size of the front-six result viewer (ucf_q6show): fifteen rows of the
// widest line beside its scroll bar, in its frame.
struct ViewerMetrics {
  static constexpr int kMargin = 2;  // the frame around the row area
  static constexpr int kFirstTop = 1;
  static constexpr int kLeft = 2;
  static constexpr int kScrollWidth = 15;
  int row_step = 0;
  int area_width = 0;
  int area_height = 0;
  int frame_width() const { return area_width + 2 * kMargin - 1; }
  int frame_height() const { return area_height + 2 * kMargin; }
};
ViewerMetrics viewer_metrics(const TextMeasure& measure);

}  // namespace tesvik
