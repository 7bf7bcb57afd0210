#pragma once
// The tip window: a small light-green window showing one line in bold,
// which closes itself 600 ms after it is shown.

#include <QDialog>

namespace tesvik {

inline constexpr int kTipMilliseconds = 600;

class TipWindow : public QDialog {
 public:
  TipWindow(const QString& text, QWidget* parent);
};

}  // namespace tesvik
