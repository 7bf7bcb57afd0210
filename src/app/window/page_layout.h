#pragma once
// Small layout pieces that the pages share.

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace tesvik {

inline constexpr int kSmall = 20;  // height of a one-line button, width of "清"

inline QPushButton* sized(QPushButton* b, int w, int h) {
  b->setFixedSize(w, h);
  return b;
}

inline QHBoxLayout* tight_row() {
  auto* l = new QHBoxLayout;
  l->setContentsMargins(0, 0, 0, 0);
  l->setSpacing(1);
  return l;
}

inline QLabel* small_label(const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return l;
}

// A panel: a framed box of fixed width whose rows go into `layout`.
inline QFrame* panel_frame(QVBoxLayout*& layout) {
  auto* box = new QFrame;
  box->setFrameShape(QFrame::StyledPanel);
  box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Maximum);
  layout = new QVBoxLayout(box);
  layout->setContentsMargins(3, 2, 3, 3);
  layout->setSpacing(1);
  return box;
}

// Three columns of panels side by side in `outer`: each panel goes into
// the column that is shortest so far, in the order the panels come.
class PanelColumns {
 public:
  PanelColumns(QHBoxLayout* outer, int width) : width_(width) {
    for (auto& c : columns_) {
      c = new QVBoxLayout;
      c->setSpacing(2);
      outer->addLayout(c);
    }
  }
  void place(QWidget* panel) {
    const auto shortest = static_cast<std::size_t>(std::min_element(heights_.begin(), heights_.end()) - heights_.begin());
    panel->setFixedWidth(width_);
    columns_[shortest]->addWidget(panel);
    heights_[shortest] += panel->sizeHint().height();
  }
  // Ends the columns: their panels stay at the top.
  void close() {
    for (auto* c : columns_) c->addStretch(1);
  }

 private:
  int width_;
  std::array<QVBoxLayout*, 3> columns_{};
  std::array<int, 3> heights_{};
};

}  // namespace tesvik
