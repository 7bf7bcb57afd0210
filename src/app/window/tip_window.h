#pragma once
// The tip window: a small light-green frameless window over the main window
// showing one line in bold. It takes no focus and has no task-bar entry;
// whoever shows it closes it 600 ms later. It is not a modal window, since
// a window manager that hands the focus back to a window that a modal one
// blocks has Qt ask the modal one for the focus, which the tip never takes;
// wait() blocks the user's input by itself instead.

#include <QDialog>

namespace tesvik {

inline constexpr int kTipMilliseconds = 600;

class TipWindow : public QDialog {
  Q_OBJECT

 public:
  TipWindow(const QString& text, QWidget* parent);
  // Shows the tip and returns once it has closed; the keys and clicks of
  // the user meanwhile are dropped, as a modal window would drop them.
  void wait();

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace tesvik
