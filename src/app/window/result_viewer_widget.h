#pragma once
// ucf_q6show in the window: the front-six viewer's rows on a white area in a
// dark frame, and its scroll bar at the area's right edge. The rows are the
// App's (the fifteen lines from the scroll value on); moving the scroll bar
// hands the new value to the App, whose viewer writes the rows anew.

#include <QStringList>
#include <string>
#include <vector>

#include "app/window/custom_view.h"
#include "app/window/scroll_bar_widget.h"

namespace tesvik {

class ResultViewerWidget : public CustomView {
 public:
  ResultViewerWidget(const ScrollBarWidget::Schedule& schedule, QWidget* parent);
  QWidget* widget() override { return frame_; }
  void render(App& app) override;
  ScrollBarWidget* scroll_bar() const { return scroll_; }
  // The drawing area, which paints the rows.
  QWidget* area() const { return area_; }
  const QStringList& rows() const { return shown_; }

 private:
  QWidget* frame_;
  QWidget* area_;
  ScrollBarWidget* scroll_;
  std::vector<std::string> rows_;  // as last rendered
  QStringList shown_;
  int value_ = -1;
  int max_ = -1;
};

}  // namespace tesvik
