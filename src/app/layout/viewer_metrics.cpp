#include "app/layout/viewer_metrics.h"

#include <algorithm>

#include "controls/result_viewer.h"

namespace tesvik {

ViewerMetrics viewer_metrics(const TextMeasure& measure) {
  ViewerMetrics m;
  const int lh = measure.line_height();
  // A row's height: the text height and a quarter of it (rounded) as the gap.
  m.row_step = lh + (lh + 2) / 4;
  constexpr int kAreaWidth = 132;   // 1980 twips, widened when the font needs it
  constexpr int kAreaHeight = 238;  // 3570 twips, heightened when the font needs it
  m.area_width =
      std::max(kAreaWidth, ViewerMetrics::kLeft + measure.width("10 09 08 07 06 05") + 4 + ViewerMetrics::kScrollWidth);
  m.area_height = std::max(kAreaHeight, ViewerMetrics::kFirstTop + ResultViewer::kRows * m.row_step);
  return m;
}

}  // namespace tesvik
