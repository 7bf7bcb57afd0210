// The scroll bar under real mouse events on the offscreen platform; its
// auto-repeat runs on the window's virtual clock.

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "app/window/main_window.h"
#include "app/window/qt_port.h"
#include "app/window/scroll_bar_widget.h"

namespace tesvik {
namespace {

class ScrollBar : public ::testing::Test {
 protected:
  void SetUp() override {
    bar.on_change = [this](int v) { reports.push_back(v); };
    bar.setGeometry(0, 0, ScrollBarWidget::kWidth, 200);
    bar.show_range(0, 100, 0);
    bar.show();
  }
  void press(QPoint at) { QTest::mousePress(&bar, Qt::LeftButton, {}, at); }
  void release(QPoint at) { QTest::mouseRelease(&bar, Qt::LeftButton, {}, at); }
  void drag_to(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, bar.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&bar, &move);
  }
  QColor colour_at(QPoint at) { return bar.grab().toImage().pixelColor(at); }

  QtPort port;
  MainWindow window{port};  // not started: its clock moves by advance() only
  ScrollBarWidget bar{
      [this](int ms, QObject* context, std::function<void()> fire) { window.after(ms, context, std::move(fire)); },
      nullptr};
  std::vector<int> reports;
};

TEST_F(ScrollBar, HeldArrowStepsAtOnceThenAfterHalfASecondThenTwentyTimesASecond) {
  const QPoint down = bar.down_arrow().center();
  press(down);
  EXPECT_EQ(reports, std::vector<int>{1});
  EXPECT_EQ(colour_at(down + QPoint(4, 4)), QColor(Qt::white));  // pressed
  window.advance(499);
  EXPECT_EQ(bar.value(), 1);
  window.advance(1);
  EXPECT_EQ(bar.value(), 2);
  window.advance(150);
  EXPECT_EQ(bar.value(), 5);
  release(down);
  window.advance(1000);
  EXPECT_EQ(bar.value(), 5);
  EXPECT_EQ(reports.size(), 5u);
  EXPECT_EQ(colour_at(down + QPoint(4, 4)), QColor(0xC0, 0xC0, 0xFF));

  // One below the end: the press reaches it, the first tick reports it
  // once more and the repeat stops.
  bar.show_range(0, 100, 99);
  reports.clear();
  press(down);
  window.advance(500);
  window.advance(500);
  release(down);
  EXPECT_EQ(reports, (std::vector<int>{100, 100}));
  // At the start the up arrow does nothing.
  bar.show_range(0, 100, 0);
  press(bar.up_arrow().center());
  window.advance(600);
  release(bar.up_arrow().center());
  EXPECT_EQ(reports.size(), 2u);
}

TEST_F(ScrollBar, StripPagesTowardsThePressUntilReleased) {
  const QPoint below(7, 150);
  press(below);
  EXPECT_EQ(bar.value(), 10);
  window.advance(550);
  EXPECT_EQ(bar.value(), 30);
  release(below);
  window.advance(500);
  EXPECT_EQ(bar.value(), 30);
  const QPoint above(7, bar.thumb_rect().top() - 2);
  press(above);
  release(above);
  EXPECT_EQ(bar.value(), 20);
  EXPECT_EQ(reports, (std::vector<int>{10, 20, 30, 20}));
}

TEST_F(ScrollBar, DraggedThumbSetsTheValueFromItsPosition) {
  const QRect thumb = bar.thumb_rect();
  EXPECT_EQ(thumb.top(), ScrollBarWidget::kWidth - 1);
  EXPECT_EQ(thumb.height(), ScrollBarWidget::kMinThumb);  // 168 px of track for 101 values
  const QPoint grab(7, thumb.top() + 5);
  press(grab);
  EXPECT_EQ(colour_at(grab), QColor(Qt::white));
  EXPECT_TRUE(reports.empty());
  // Halfway along the thumb's travel is about half the range.
  const int travel = 200 - 2 * ScrollBarWidget::kWidth - 2 - thumb.height();
  drag_to(grab + QPoint(0, travel / 2));
  EXPECT_NEAR(bar.value(), 50, 1);
  drag_to(grab + QPoint(0, 1000));
  EXPECT_EQ(bar.value(), 100);
  EXPECT_EQ(bar.thumb_rect().bottom(), bar.down_arrow().top());  // over the arrow's top edge
  drag_to(QPoint(7, -50));
  EXPECT_EQ(bar.value(), 0);
  release(QPoint(7, -50));
  EXPECT_EQ(reports.size(), 3u);
  window.advance(1000);  // a drag starts no repeat
  EXPECT_EQ(reports.size(), 3u);
}

TEST_F(ScrollBar, RangeSetsTheThumbAndItsAbsence) {
  bar.show_range(0, 1000, 2000);
  EXPECT_EQ(bar.value(), 1000);  // clamped, not reported
  EXPECT_EQ(bar.thumb_rect().height(), ScrollBarWidget::kMinThumb);
  bar.show_range(0, 3, 0);
  EXPECT_EQ(bar.thumb_rect().height(), (200 - 32) / 4);
  bar.show_range(0, 0, 0);
  EXPECT_FALSE(bar.thumb_visible());
  for (QPoint at : {bar.up_arrow().center(), bar.down_arrow().center(), QPoint(7, 100)}) {
    press(at);
    release(at);
  }
  window.advance(1000);
  EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace tesvik
