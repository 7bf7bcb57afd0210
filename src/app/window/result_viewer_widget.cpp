#include "app/window/result_viewer_widget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/app.h"

namespace tesvik {

namespace {

constexpr int kMargin = 2;        // the frame around the area (30 twips)
constexpr int kFirstTop = 1;      // the first row's top (20 twips)
constexpr int kLeft = 2;          // the rows' left edge (30 twips)
constexpr int kAreaWidth = 132;   // 1980 twips, widened when the font needs it
constexpr int kAreaHeight = 238;  // 3570 twips, heightened when the font needs it
const QColor kFrameColour(0x40, 0x40, 0x40);

// A row's height: the text height of "8" and a quarter of it as the gap.
int row_step(const QFontMetrics& fm) { return fm.height() + static_cast<int>(std::lround(fm.height() / 4.0)); }

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
    int top = kFirstTop;
    for (const QString& row : rows_) {
      p.drawText(kLeft, top + fm.ascent(), row);
      top += row_step(fm);
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
  const QFontMetrics fm(area_->font());
  const int width =
      std::max(kAreaWidth, kLeft + fm.horizontalAdvance("10 09 08 07 06 05") + 4 + ScrollBarWidget::kWidth);
  const int height = std::max(kAreaHeight, kFirstTop + ResultViewer::kRows * row_step(fm));
  area_->setGeometry(kMargin, kMargin, width, height);
  scroll_->setGeometry(kMargin + width - ScrollBarWidget::kWidth - 1, kMargin, ScrollBarWidget::kWidth, height);
  frame_->setFixedSize(width + 2 * kMargin - 1, height + 2 * kMargin);
}

void ResultViewerWidget::render(App& app) {
  const ResultViewer& viewer = app.viewer();
  if (viewer.value() == value_ && viewer.max() == max_ && viewer.rows() == rows_) return;
  if (viewer.max() != max_ || viewer.value() != scroll_->value()) scroll_->show_range(0, viewer.max(), viewer.value());
  value_ = viewer.value();
  max_ = viewer.max();
  rows_ = viewer.rows();
  shown_.clear();
  for (const std::string& row : rows_) shown_ << QString::fromStdString(row);
  area_->update();
}

}  // namespace tesvik
