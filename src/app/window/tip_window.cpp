#include "app/window/tip_window.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "app/window/colour.h"

namespace tesvik {

TipWindow::TipWindow(const QString& text, QWidget* parent) : QDialog(parent) {
  setWindowTitle("成功提示");
  setObjectName("Fts");
  setModal(true);
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
  QTimer::singleShot(kTipMilliseconds, this, &QDialog::accept);
}

}  // namespace tesvik
