#pragma once
// One condition page of front three, four or five, laid out from its page
// table: the blocks in columns, the sub-panels in a stack, the result side.

#include <QWidget>

#include "app/controls.h"
#include "app/page_tables.h"

class QHBoxLayout;
class QStackedWidget;

namespace tesvik {

class Bindings;
struct PanelState;

class ConditionPage : public QWidget {
 public:
  ConditionPage(const PageTable& page, Bindings& bindings, QWidget* parent);
  // Brings the sub-panel whose switch is chosen to the front.
  void sync(const PanelState& panel);

 private:
  QWidget* block_widget(const Block& block);
  QWidget* sub_panels();
  QWidget* result_side();
  void add_range(QHBoxLayout* row, const QString& caption, ControlRef lower, int width, QWidget* parent);

  const PageTable& page_;
  Bindings& bindings_;
  QStackedWidget* stack_ = nullptr;
};

}  // namespace tesvik
