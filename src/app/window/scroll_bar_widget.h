#pragma once
// tScroll: a self-drawn vertical scroll bar in the page's colours. An up
// arrow, a down arrow and a thumb on a strip; the arrows step by the small
// change, a press on the strip pages by the large change towards the press,
// and both repeat while held (after 500 ms, then every 50 ms) until the
// button is released or an end is reached. Dragging the thumb sets the value
// from its position. Every change by the user, and every repeat, reports the
// value through on_change; the host sets range and value without a report.
// The wheel moves the value by kWheelStep a notch.

#include <QWidget>
#include <cstdint>
#include <functional>

namespace tesvik {

class ScrollBarWidget : public QWidget {
 public:
  // Runs fire once, ms from now on the window's clock, unless context is gone.
  using Schedule = std::function<void(int ms, QObject* context, std::function<void()> fire)>;

  static constexpr int kWidth = 15;     // the strip's width, also the arrows' height
  static constexpr int kMinThumb = 16;  // a thumb is never shorter
  static constexpr int kFirstRepeatMs = 500;
  static constexpr int kRepeatMs = 50;
  static constexpr int kSmallChange = 1;   // an arrow's step
  static constexpr int kLargeChange = 10;  // a track press's step
  static constexpr int kWheelStep = 3;     // a wheel notch's step

  ScrollBarWidget(Schedule schedule, QWidget* parent);

  // The host's range and value; the value is clamped. Reports nothing.
  void show_range(int min, int max, int value);
  // Strip colour and the colour of the arrows and the thumb (white while pressed).
  void set_colours(QColor back, QColor fore);
  std::function<void(int value)> on_change;
  // Moves the value as the user does (clamped) and reports it.
  void move_to(std::int64_t value);

  int value() const { return value_; }
  int maximum() const { return max_; }
  bool thumb_visible() const { return thumb_visible_; }
  // The thumb in the widget's coordinates; empty while it is hidden.
  QRect thumb_rect() const;
  QRect up_arrow() const { return {0, 0, kWidth, kWidth}; }
  QRect down_arrow() const { return {0, height() - kWidth, kWidth, kWidth}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  enum class Part { None, Up, Down, Thumb, Strip };

  void layout();
  int top_for(int value) const;
  int lowest_top() const { return height() - kWidth - thumb_height_ + 1; }
  // Moves the value by step when it can move that way, then repeats.
  void step_and_repeat(std::int64_t step);
  void repeat(std::uint64_t generation);
  void stop_repeat() { ++generation_; }

  Schedule schedule_;
  int min_ = 0;
  int max_ = 0;
  int value_ = 0;
  QColor back_{0xE0, 0xE0, 0xE0};
  QColor fore_{0xC0, 0xC0, 0xFF};

  bool thumb_visible_ = false;
  int thumb_height_ = 1;
  int thumb_top_ = 0;
  double scale_ = 0;       // pixels of thumb travel per unit of value
  double top_offset_ = 0;  // the thumb's top at the minimum
  Part pressed_ = Part::None;
  int anchor_ = 0;  // where in the thumb it was grabbed
  std::int64_t step_ = 0;
  std::uint64_t generation_ = 0;  // a repeat scheduled under an older one is void
  int wheel_rest_ = 0;            // angle of a wheel turned by less than a notch so far
};

}  // namespace tesvik
