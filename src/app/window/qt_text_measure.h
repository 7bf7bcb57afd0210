#pragma once
// Text widths for the shared page geometry, in the window's fonts.

#include <QFont>

#include "app/layout/page_geometry.h"

namespace tesvik {

class QtTextMeasure : public TextMeasure {
 public:
  explicit QtTextMeasure(const QFont& font) : font_(font) {}
  int width(std::string_view text, TextStyle style = TextStyle::Normal) const override;
  int line_height() const override;
  QFont font(TextStyle style) const;

 private:
  QFont font_;
};

}  // namespace tesvik
