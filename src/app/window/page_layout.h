#pragma once
// Small layout pieces that the pages share.

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

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

}  // namespace tesvik
