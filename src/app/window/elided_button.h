#pragma once
// A push button that, narrower than its caption, shows the caption cut
// with "…" and the whole caption as its tool tip, instead of clipping it
// on both sides.

#include <QPushButton>

namespace tesvik {

class ElidedButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  // The caption as the button shows it at its present width.
  QString shown_caption() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
};

}  // namespace tesvik
