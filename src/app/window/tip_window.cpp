#include "app/window/tip_window.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QVBoxLayout>

#include "app/window/colour.h"

namespace tesvik {

namespace {

// Drops the user's input to every window of the program while it lives.
class InputBlock : public QObject {
 public:
  InputBlock() { qApp->installEventFilter(this); }
  ~InputBlock() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Wheel: return event->spontaneous();
      default: return false;
    }
  }
};

}  // namespace

// A tool-tip window: no frame and no task-bar entry under any window
// manager, and, shown without activation, it leaves the focus where it is.
TipWindow::TipWindow(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setWindowTitle("成功提示");
  setObjectName("Fts");
  setAttribute(Qt::WA_ShowWithoutActivating);
  QPalette p = palette();
  p.setColor(QPalette::Window, to_qcolor(0xC0FFC0));
  setPalette(p);
  setAutoFillBackground(true);
  auto* label = new QLabel(text, this);
  label->setObjectName("L_cp_ts");
  QFont f = label->font();
  f.setPointSize(15);
  f.setBold(true);
  label->setFont(f);
  label->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  setFixedSize(240, 90);
}

// Centred over the main window.
void TipWindow::showEvent(QShowEvent* event) {
  if (const QWidget* owner = parentWidget())
    move(owner->mapToGlobal(owner->rect().center()) - QPoint(width() / 2, height() / 2));
  QDialog::showEvent(event);
}

void TipWindow::wait() {
  const InputBlock block;
  QEventLoop loop;
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  show();
  if (isVisible()) loop.exec();
}

}  // namespace tesvik
