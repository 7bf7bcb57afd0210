#include "app/window/elided_button.h"

#include <QHelpEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>

namespace tesvik {

QString ElidedButton::shown_caption() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  constexpr int kPadding = 4;
  return fontMetrics().elidedText(text(), Qt::ElideRight, room.width() - kPadding);
}

void ElidedButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text = shown_caption();
  painter.drawControl(QStyle::CE_PushButton, option);
}

// The tool tip shows the caption only while it is cut.
bool ElidedButton::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QPushButton::event(event);
  if (shown_caption() != text()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
  } else {
    QToolTip::hideText();
    event->ignore();
  }
  return true;
}

}  // namespace tesvik
