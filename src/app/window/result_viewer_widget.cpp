#include "app/window/result_viewer_widget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "app/app.h"
#include "app/control_view.h"
#include "app/layout/viewer_metrics.h"
#include "app/window/qt_text_measure.h"

namespace tesvik {

namespace {

const QColor kFrameColour(0x40, 0x40, 0x40);
static_assert(ScrollBarWidget::kWidth == ViewerMetrics::kScrollWidth);

// The frame takes the focus on a click and then the keys: Up and Down move
// a pick, PageUp and PageDown a page of rows, Home and End to either end.
// The wheel anywhere over the viewer moves it as over its scroll bar. The
// frame is drawn in the highlight colour while it has the focus.
class ViewerFrame : public QWidget {
 public:
  using QWidget::QWidget;
  ScrollBarWidget* bar = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(hasFocus() ? palette().color(QPalette::Highlight) : kFrameColour);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  void focusInEvent(QFocusEvent*) override { update(); }
  void focusOutEvent(QFocusEvent*) override { update(); }
  void wheelEvent(QWheelEvent* event) override { QCoreApplication::sendEvent(bar, event); }
  void keyPressEvent(QKeyEvent* event) override {
    const std::int64_t value = bar->value();
    switch (event->key()) {
      case Qt::Key_Up: bar->move_to(value - 1); break;
      case Qt::Key_Down: bar->move_to(value + 1); break;
      case Qt::Key_PageUp: bar->move_to(value - ResultViewer::kRows); break;
      case Qt::Key_PageDown: bar->move_to(value + ResultViewer::kRows); break;
      case Qt::Key_Home: bar->move_to(0); break;
      case Qt::Key_End: bar->move_to(bar->maximum()); break;
      default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
  }
};

class RowArea : public QWidget {
 public:
  RowArea(const QStringList& rows, QWidget* parent) : QWidget(parent), rows_(rows) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(font());
    const ViewerMetrics m = viewer_metrics(QtTextMeasure(font()));
    int top = ViewerMetrics::kFirstTop;
    for (const QString& row : rows_) {
      p.drawText(ViewerMetrics::kLeft, top + fm.ascent(), row);
      top += m.row_step;
    }
  }

 private:
  const QStringList& rows_;
};

}  // namespace

ResultViewerWidget::ResultViewerWidget(const ScrollBarWidget::Schedule& schedule, QWidget* parent)
    : frame_(new ViewerFrame(parent)) {
  frame_->setFocusPolicy(Qt::ClickFocus);
  area_ = new RowArea(shown_, frame_);
  area_->setObjectName("Pic");
  // Clicks and the wheel over the rows reach the frame.
  area_->setAttribute(Qt::WA_TransparentForMouseEvents);
  scroll_ = new ScrollBarWidget(schedule, frame_);
  static_cast<ViewerFrame*>(frame_)->bar = scroll_;
  scroll_->setObjectName("tScroll1");
  scroll_->set_colours(QColor(0xE0, 0xE0, 0xE0), QColor(0xC0, 0xC0, 0xC0));
  scroll_->on_change = [this](int value) { forward([value](App& app) { app.scroll_viewer(value); }); };
  // Fifteen rows of the widest line fit beside the scroll bar.
  const ViewerMetrics m = viewer_metrics(QtTextMeasure(area_->font()));
  constexpr int kMargin = ViewerMetrics::kMargin;
  area_->setGeometry(kMargin, kMargin, m.area_width, m.area_height);
  scroll_->setGeometry(kMargin + m.area_width - ScrollBarWidget::kWidth - 1, kMargin, ScrollBarWidget::kWidth,
                       m.area_height);
  frame_->setFixedSize(m.frame_width(), m.frame_height());
}

void ResultViewerWidget::render(App& app) {
  const ControlRef ref{Ctl::ucf_q6show, 0};
  const std::optional<ControlView> viewer = control_view(app, ref);
  const std::span<const std::string> rows = control_rows(app, ref, 0, viewer->rows);
  if (viewer->selected == value_ && viewer->scroll_max == max_ && std::ranges::equal(rows, rows_)) return;
  if (viewer->scroll_max != max_ || viewer->selected != scroll_->value())
    scroll_->show_range(0, viewer->scroll_max, viewer->selected);
  value_ = viewer->selected;
  max_ = viewer->scroll_max;
  rows_.assign(rows.begin(), rows.end());
  shown_.clear();
  for (const std::string& row : rows_) shown_ << QString::fromStdString(row);
  area_->update();
}

}  // namespace tesvik
