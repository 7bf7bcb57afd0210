#include "app/window/laid_line.h"

#include <QFontMetricsF>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "app/window/box_text.h"
#include "app/window/qt_text.h"
#include "support/utf8.h"

namespace tesvik {

namespace {

// An x as the widget's int coordinates hold it; a line of hundreds of
// megabytes would reach beyond them.
int to_x(double x) { return static_cast<int>(std::clamp(std::ceil(x), -1e9, 1e9)); }

// The bytes of the character that starts at `at` (a stray byte is one).
std::size_t character_length(std::string_view bytes, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(bytes[at]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  std::size_t n = 1;
  while (n < length && at + n < bytes.size() && continues_sequence(bytes[at + n])) ++n;
  return n;
}

}  // namespace

LaidLine::LaidLine(std::string_view bytes, const QFont& font, const QString& preedit, std::size_t at)
    : bytes_(bytes), font_(font), preedit_(preedit), at_(std::min(at, bytes.size())) {
  if (is_long()) {
    pitch_ = std::max(1.0, QFontMetricsF(font).horizontalAdvance(QLatin1Char('0')));
    return;
  }
  layout_.setText(from_utf8(bytes));
  layout_.setFont(font);
  if (!preedit.isEmpty()) layout_.setPreeditArea(static_cast<int>(utf16_length(bytes.substr(0, at_))), preedit);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout_.setTextOption(option);
  layout_.beginLayout();
  line_ = layout_.createLine();
  line_.setLineWidth(1e7);
  layout_.endLayout();
}

int LaidLine::width() const {
  if (is_long()) return to_x(static_cast<double>(bytes_.size()) * pitch_);
  return static_cast<int>(std::ceil(line_.naturalTextWidth()));
}

int LaidLine::x_of(std::size_t at) const {
  at = std::min(at, bytes_.size());
  if (is_long()) return to_x(std::round(static_cast<double>(at) * pitch_));
  return static_cast<int>(line_.cursorToX(static_cast<int>(utf16_length(bytes_.substr(0, at)))));
}

std::size_t LaidLine::at_x(int x) const {
  if (!is_long()) return bytes_of_units(bytes_, line_.xToCursor(x));
  return character_start(
      bytes_, static_cast<std::size_t>(std::clamp(std::lround(x / pitch_), 0L, static_cast<long>(bytes_.size()))));
}

void LaidLine::draw(QPainter& painter, QPointF origin, const Look& look) {
  if (is_long()) return draw_long(painter, origin, look);
  QList<QTextLayout::FormatRange> selection;
  if (look.selected_to > look.selected_from) {
    QTextCharFormat selected;
    selected.setBackground(look.highlight);
    selected.setForeground(look.highlighted_text);
    const qsizetype first = utf16_length(bytes_.substr(0, look.selected_from));
    const qsizetype last = utf16_length(bytes_.substr(0, look.selected_to));
    selection.push_back({static_cast<int>(first), static_cast<int>(last - first), selected});
  }
  layout_.draw(&painter, origin, selection);
  if (look.caret_width > 0)
    layout_.drawCursor(&painter, origin, static_cast<int>(utf16_length(bytes_.substr(0, at_)) + preedit_.size()),
                       look.caret_width);
}

// Draws the characters whose cells lie in the x range, each at its cell.
void LaidLine::draw_long(QPainter& painter, QPointF origin, const Look& look) const {
  const QFontMetricsF metrics(font_);
  const double height = metrics.height();
  const double baseline = origin.y() + metrics.ascent();
  const auto cell = [&](std::size_t at) { return origin.x() + static_cast<double>(at) * pitch_; };
  if (look.selected_to > look.selected_from)
    painter.fillRect(QRectF(cell(look.selected_from), origin.y(),
                            static_cast<double>(look.selected_to - look.selected_from) * pitch_, height),
                     look.highlight);
  const QPen pen = painter.pen();
  std::size_t at = at_x(static_cast<int>(std::floor(std::max(0.0, look.left))));
  const double end = std::min(static_cast<double>(bytes_.size()), std::ceil(look.right / pitch_) + 1);
  while (at < bytes_.size() && static_cast<double>(at) < end) {
    const std::size_t length = character_length(bytes_, at);
    const bool selected = at >= look.selected_from && at < look.selected_to;
    painter.setPen(selected ? QPen(look.highlighted_text.color()) : pen);
    painter.drawText(QPointF(cell(at), baseline), from_utf8(bytes_.substr(at, length)));
    at += length;
  }
  painter.setPen(pen);
  double caret = cell(at_);
  if (!preedit_.isEmpty()) {
    const double width = metrics.horizontalAdvance(preedit_);
    painter.fillRect(QRectF(caret, origin.y(), width, height), look.base);
    painter.drawText(QPointF(caret, baseline), preedit_);
    painter.drawLine(QPointF(caret, baseline + 1), QPointF(caret + width, baseline + 1));
    caret += width;
  }
  if (look.caret_width > 0) painter.fillRect(QRectF(caret, origin.y(), look.caret_width, height), pen.color());
}

}  // namespace tesvik
