#include "app/window/wheel_guard.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QWheelEvent>
#include <QWidget>

namespace tesvik {

namespace {

class WheelGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    auto* control = static_cast<QWidget*>(watched);
    if (control->hasFocus()) return false;
    // The nearest scroll area around the control scrolls instead.
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
      auto* area = qobject_cast<QAbstractScrollArea*>(w);
      if (!area) continue;
      const auto* wheel = static_cast<QWheelEvent*>(event);
      QWidget* viewport = area->viewport();
      const QPointF at = viewport->mapFromGlobal(wheel->globalPosition());
      QWheelEvent passed(at, wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
                         wheel->modifiers(), wheel->phase(), wheel->inverted());
      QCoreApplication::sendEvent(viewport, &passed);
      break;
    }
    return true;
  }
};

}  // namespace

void take_wheel_when_focused(QWidget* control) {
  if (control->focusPolicy() == Qt::WheelFocus) control->setFocusPolicy(Qt::StrongFocus);
  control->installEventFilter(new WheelGuard(control));
}

}  // namespace tesvik
