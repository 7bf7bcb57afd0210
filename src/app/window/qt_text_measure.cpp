#include "app/window/qt_text_measure.h"

#include <QFontMetrics>

#include "app/window/qt_text.h"

namespace tesvik {

QFont QtTextMeasure::font(TextStyle style) const {
  QFont f = font_;
  if (style == TextStyle::Small) f.setPointSizeF(f.pointSizeF() - 1);
  if (style == TextStyle::Bold) f.setBold(true);
  return f;
}

int QtTextMeasure::width(std::string_view text, TextStyle style) const {
  return QFontMetrics(font(style)).horizontalAdvance(from_utf8(text));
}

int QtTextMeasure::line_height() const { return QFontMetrics(font_).height(); }

}  // namespace tesvik
