#pragma once
// The front-six page, laid out from its page table: the condition panels in
// columns, and beside them the base set, the result viewer with the count,
// the function buttons, the overall tolerance and the prize check.

#include <QWidget>
#include <set>

#include "app/controls.h"
#include "app/front6_page_table.h"
#include "app/window/scroll_bar_widget.h"

class QBoxLayout;
class QHBoxLayout;
class QPushButton;

namespace tesvik {

class Bindings;

class Front6PageView : public QWidget {
 public:
  // schedule runs the viewer's scroll-bar repeats on the window's clock.
  Front6PageView(Bindings& bindings, const ScrollBarWidget::Schedule& schedule, QWidget* parent);

 private:
  QWidget* panel_widget(const Q6Panel& panel);
  void add_rows(QBoxLayout* layout, const Q6Panel& panel, QWidget* parent);
  void add_boxes(QBoxLayout* layout, const Q6Panel& panel, QWidget* parent);
  QWidget* result_side(const ScrollBarWidget::Schedule& schedule);
  void add_selector(QHBoxLayout* row, const QString& caption, int rc, QWidget* parent);
  QPushButton* button(Ctl array, int index, QWidget* parent);
  // A "清" or "全" button, unless another row of the panel already shows it.
  void add_cls(QHBoxLayout* row, int cls, QWidget* parent);

  Bindings& bindings_;
  std::set<int> placed_cls_;
};

}  // namespace tesvik
