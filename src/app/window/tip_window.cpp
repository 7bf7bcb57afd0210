#include "app/window/tip_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/window/colour.h"

namespace tesvik {

// A tool-tip window: no frame and no task-bar entry under any window
// manager, and, shown without activation, it leaves the focus where it is.
TipWindow::TipWindow(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setWindowTitle("成功提示");
  setObjectName("Fts");
  setModal(true);
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

}  // namespace tesvik
