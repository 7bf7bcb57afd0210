#pragma once
// The tip window: a small light-green frameless window over the main window
// showing one line in bold. It takes no focus and has no task-bar entry;
// whoever shows it closes it 600 ms later.

#include <QDialog>

namespace tesvik {

inline constexpr int kTipMilliseconds = 600;

class TipWindow : public QDialog {
  Q_OBJECT

 public:
  TipWindow(const QString& text, QWidget* parent);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace tesvik
