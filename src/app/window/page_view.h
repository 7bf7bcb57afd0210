#pragma once
// A page of the window: its panels, captions and controls as widgets at the
// places that the shared page geometry gives them.

#include <QWidget>
#include <vector>

#include "app/layout/page_geometry.h"
#include "app/window/scroll_bar_widget.h"

namespace tesvik {

class Bindings;
class QtTextMeasure;

class PageView : public QWidget {
 public:
  // schedule runs the result viewer's scroll-bar repeats on the window's clock.
  PageView(const PageGeometry& geometry, const QtTextMeasure& measure, Bindings& bindings,
           const ScrollBarWidget::Schedule& schedule, QWidget* parent);
  // Shows the sub-panel `sub_panel` and hides the page's others.
  void show_sub_panel(int sub_panel);
  QSize sizeHint() const override { return size_; }
  QSize minimumSizeHint() const override { return size_; }

 private:
  // The widget that holds the items of a sub-panel (the page for -1), and
  // the rectangle that holds them, in its coordinates.
  QWidget* holder(int sub_panel) const;
  QRect place(const Rect& r, int sub_panel) const;
  QWidget* control(const PlacedControl& c, const QtTextMeasure& measure, const ScrollBarWidget::Schedule& schedule);

  Bindings& bindings_;
  QSize size_;
  std::vector<QWidget*> sub_panels_;
};

}  // namespace tesvik
