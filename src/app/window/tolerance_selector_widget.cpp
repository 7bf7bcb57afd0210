#include "app/window/tolerance_selector_widget.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "app/app.h"
#include "app/layout/page_geometry.h"
#include "app/window/wheel_guard.h"

namespace tesvik {

ToleranceSelectorWidget::ToleranceSelectorWidget(ControlRef ref, QWidget* parent)
    : ref_(ref), widget_(new QWidget(parent)) {
  auto* row = new QHBoxLayout(widget_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(kSelectorSpacing);
  for (int k = 0; k < 2; ++k) {
    if (k == 1) row->addWidget(new QLabel("至", widget_));
    lists_[k] = new QComboBox(widget_);
    lists_[k]->setFixedWidth(kSelectorListWidth);
    take_wheel_when_focused(lists_[k]);
    QObject::connect(lists_[k], &QComboBox::activated, widget_, [this] { chosen(); });
    row->addWidget(lists_[k]);
  }
  widget_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ToleranceSelectorWidget::chosen() {
  forward([ref = ref_, lo = lower()->currentText().toStdString(), hi = upper()->currentText().toStdString()](App& app) {
    if (ToleranceSelector* s = app.selector_of(ref)) s->choose(lo, hi);
  });
}

void ToleranceSelectorWidget::render(App& app) {
  const ToleranceSelector* s = app.selector_of(ref_);
  if (!s) return;
  const bool refill = s->items() != items_;
  if (refill) items_ = s->items();
  const std::string* texts[2] = {&s->lower(), &s->upper()};
  for (int k = 0; k < 2; ++k) {
    QComboBox* list = lists_[k];
    const QSignalBlocker block(list);
    if (refill) {
      list->clear();
      for (const std::string& item : items_) list->addItem(QString::fromStdString(item));
    }
    // A text that is none of the items (only a script sets one) shows as no choice.
    const int at = list->findText(QString::fromStdString(*texts[k]));
    if (list->currentIndex() != at) list->setCurrentIndex(at);
  }
}

}  // namespace tesvik
