#include "app/window/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace tesvik {

BusyCursor* BusyCursor::current_ = nullptr;

BusyCursor::BusyCursor() : outer_(current_) {
  clock_.start();
  current_ = this;
}

BusyCursor::~BusyCursor() {
  if (shown_) QGuiApplication::restoreOverrideCursor();
  current_ = outer_;
}

void BusyCursor::show() {
  if (shown_) return;
  shown_ = true;
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void BusyCursor::breathe() {
  if (current_ && current_->clock_.elapsed() >= kDelayMs) current_->show();
}

void BusyCursor::long_work() {
  if (current_) current_->show();
}

}  // namespace tesvik
