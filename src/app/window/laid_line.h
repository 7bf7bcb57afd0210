#pragma once
// One line of a condition box as it is drawn; positions are bytes of the
// line. A line of ordinary length is laid out by Qt as any text. A long line
// (a list pasted without line breaks can hold megabytes) is drawn in cells
// of a digit's width, a cell per byte, and only where it shows: laying out
// and shaping a whole line of that size takes seconds, at every key.

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QString>
#include <QTextLayout>
#include <cstddef>
#include <string_view>

namespace tesvik {

class LaidLine {
 public:
  static constexpr std::size_t kLongLine = 4096;  // bytes

  // `preedit` shows at byte `at`, as the input method composes it.
  LaidLine(std::string_view bytes, const QFont& font, const QString& preedit = {}, std::size_t at = 0);

  int width() const;
  // The x of byte `at` of the line (a character's start).
  int x_of(std::size_t at) const;
  // The character start nearest to x.
  std::size_t at_x(int x) const;

  struct Look {
    std::size_t selected_from = 0;  // bytes [from, to) of the line drawn as selected
    std::size_t selected_to = 0;
    QBrush base;  // behind the input method's text
    QBrush highlight;
    QBrush highlighted_text;
    int caret_width = 0;  // the caret is drawn (after the preedit) when above 0
    double left = 0;      // the x range to draw, in the line's own x
    double right = 0;
  };
  void draw(QPainter& painter, QPointF origin, const Look& look);

 private:
  bool is_long() const { return bytes_.size() > kLongLine; }
  void draw_long(QPainter& painter, QPointF origin, const Look& look) const;

  std::string_view bytes_;
  QFont font_;
  QString preedit_;
  std::size_t at_ = 0;
  double pitch_ = 1;  // a long line's cell width
  QTextLayout layout_;
  QTextLine line_;
};

}  // namespace tesvik
