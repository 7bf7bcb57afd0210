#pragma once
// Text widths for the shared page geometry, measured by the page in the
// fonts it draws with: host.measureText(text, style) (0 normal, 1 one point
// smaller, 2 bold; a canvas's measureText) and host.lineHeight().

#include "app/layout/page_geometry.h"

namespace tesvik::web {

class HostMeasure : public TextMeasure {
 public:
  int width(std::string_view text, TextStyle style = TextStyle::Normal) const override;
  int line_height() const override;
};

}  // namespace tesvik::web
