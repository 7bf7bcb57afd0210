#pragma once
// rongcuo in the window: the lower list, "至", the upper list. The lists
// offer the selector's items and show its range; a choice in either list
// hands both texts to the selector.

#include <QWidget>
#include <string>
#include <vector>

#include "app/controls.h"
#include "app/window/custom_view.h"

class QComboBox;

namespace tesvik {

class ToleranceSelectorWidget : public CustomView {
 public:
  ToleranceSelectorWidget(ControlRef ref, QWidget* parent);
  QWidget* widget() override { return widget_; }
  void render(App& app) override;
  QComboBox* lower() const { return lists_[0]; }
  QComboBox* upper() const { return lists_[1]; }

 private:
  void chosen();

  ControlRef ref_;
  QWidget* widget_;
  QComboBox* lists_[2];
  std::vector<std::string> items_;
};

}  // namespace tesvik
