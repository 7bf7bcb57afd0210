#include "app/window/scroll_bar_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace tesvik {

namespace {
const QColor kPressed(0xFF, 0xFF, 0xFF);
const QColor kEdge(0x80, 0x80, 0x80);
}  // namespace

ScrollBarWidget::ScrollBarWidget(Schedule schedule, QWidget* parent) : QWidget(parent), schedule_(std::move(schedule)) {
  setFixedWidth(kWidth);
  setMinimumHeight(2 * kWidth);
}

void ScrollBarWidget::show_range(int min, int max, int value) {
  min_ = min;
  max_ = max;
  value_ = std::max(min, std::min(value, max));
  layout();
}

void ScrollBarWidget::set_colours(QColor back, QColor fore) {
  back_ = back;
  fore_ = fore;
  update();
}

QRect ScrollBarWidget::thumb_rect() const {
  return thumb_visible_ ? QRect(0, thumb_top_, kWidth, thumb_height_) : QRect();
}

void ScrollBarWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layout();
}

// The thumb's height shares the track among the values, but is never below
// kMinThumb; the track is what the arrows leave, less a pixel at each end.
void ScrollBarWidget::layout() {
  if (min_ >= max_) {
    thumb_visible_ = false;
    thumb_height_ = 1;
    scale_ = 0;
  } else {
    const std::int64_t track = height() - 2 * kWidth - 2;
    const std::int64_t values = std::int64_t{max_} - min_ + 1;
    thumb_height_ = static_cast<int>(std::max<std::int64_t>(track / values, kMinThumb));
    thumb_visible_ = true;
    scale_ = static_cast<double>(track - thumb_height_) / static_cast<double>(std::int64_t{max_} - min_);
    top_offset_ = kWidth - 1;
  }
  thumb_top_ = top_for(value_);
  update();
}

int ScrollBarWidget::top_for(int value) const {
  if (value <= min_) return static_cast<int>(std::lround(top_offset_));
  if (value >= max_) return lowest_top();
  return static_cast<int>(std::lround(static_cast<double>(std::int64_t{value} - min_) * scale_ + top_offset_));
}

void ScrollBarWidget::move_to(std::int64_t value) {
  value_ = static_cast<int>(std::clamp<std::int64_t>(value, min_, max_));
  thumb_top_ = top_for(value_);
  update();
  if (on_change) on_change(value_);
}

void ScrollBarWidget::step_and_repeat(std::int64_t step) {
  if (step < 0 ? value_ <= min_ : value_ >= max_) return;
  step_ = step;
  move_to(std::int64_t{value_} + step);
  stop_repeat();
  const std::uint64_t generation = generation_;
  schedule_(kFirstRepeatMs, this, [this, generation] { repeat(generation); });
}

// A tick of the auto-repeat: it stops at either end, reporting the value once more.
void ScrollBarWidget::repeat(std::uint64_t generation) {
  if (generation != generation_) return;
  const auto next = std::clamp<std::int64_t>(std::int64_t{value_} + step_, min_, max_);
  if (next != min_ && next != max_) schedule_(kRepeatMs, this, [this, generation] { repeat(generation); });
  move_to(next);
}

void ScrollBarWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  if (thumb_rect().contains(at)) {
    pressed_ = Part::Thumb;
    anchor_ = at.y() - thumb_top_;
  } else if (up_arrow().contains(at)) {
    pressed_ = Part::Up;
    step_and_repeat(-kSmallChange);
  } else if (down_arrow().contains(at)) {
    pressed_ = Part::Down;
    step_and_repeat(kSmallChange);
  } else {
    pressed_ = Part::Strip;
    if (!thumb_visible_) return;
    // At or below the thumb's middle pages down, above it up.
    const bool down = at.y() >= thumb_top_ + thumb_height_ / 2;
    step_and_repeat(down ? kLargeChange : -kLargeChange);
  }
  update();
}

void ScrollBarWidget::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_ != Part::Thumb || !(event->buttons() & Qt::LeftButton) || scale_ <= 0) return;
  const int lowest = lowest_top();
  const int offset = static_cast<int>(std::lround(top_offset_));
  const int top = std::max(offset, std::min(event->position().toPoint().y() - anchor_, lowest));
  const double units = std::round((top - top_offset_) / scale_) + min_;
  move_to(static_cast<std::int64_t>(std::clamp(units, static_cast<double>(min_), static_cast<double>(max_))));
}

void ScrollBarWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  stop_repeat();
  pressed_ = Part::None;
  thumb_top_ = top_for(value_);
  update();
}

void ScrollBarWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), back_);
  auto part = [&](const QRect& r, Part which, const QString& glyph) {
    p.fillRect(r, pressed_ == which ? kPressed : fore_);
    p.setPen(kEdge);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (!glyph.isEmpty()) p.drawText(r, Qt::AlignCenter, glyph);
  };
  part(up_arrow(), Part::Up, QStringLiteral("▲"));
  part(down_arrow(), Part::Down, QStringLiteral("▼"));
  // The thumb lies over the arrows' inner edges at either end, as its presses do.
  if (thumb_visible_) part(thumb_rect(), Part::Thumb, {});
}

// A notch is 120 eighths of a degree; a finer wheel adds up to notches.
void ScrollBarWidget::wheelEvent(QWheelEvent* event) {
  constexpr int kNotch = 120;
  wheel_rest_ += event->angleDelta().y();
  const int notches = wheel_rest_ / kNotch;
  wheel_rest_ -= notches * kNotch;
  if (notches != 0) move_to(std::int64_t{value_} - std::int64_t{notches} * kWheelStep);
  event->accept();
}

}  // namespace tesvik
