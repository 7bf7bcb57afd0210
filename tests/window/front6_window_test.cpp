// The front-six page in the real window: a run, the viewer's first draw on
// the window's clock, scrolling by the viewer's scroll bar, a copy, the
// tolerance selectors, the boxes and clear all, all through the widgets.

#include <algorithm>

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "app/front_six/front6_page_table.h"
#include "app/window/pasted_list_view.h"
#include "app/window/scroll_bar_widget.h"
#include "app/window/tip_window.h"
#include "front6/universe_6x.h"
#include "window_fixture.h"

namespace tesvik {
namespace {

class FrontSix : public Window {
 protected:
  void SetUp() override {
    Window::SetUp();
    started();
    click(Ctl::C_ding, 3);
  }
  QWidget* viewer_part(const char* name) {
    QWidget* viewer = window.bindings().widget({Ctl::ucf_q6show, 0});
    return viewer ? viewer->findChild<QWidget*>(name) : nullptr;
  }
  ScrollBarWidget* scroll_bar() { return static_cast<ScrollBarWidget*>(viewer_part("tScroll1")); }
  // Whether the viewer's area shows anything but white.
  bool area_drawn() {
    const QImage shot = viewer_part("Pic")->grab().toImage();
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x)
        if (shot.pixelColor(x, y) != Qt::white) return true;
    return false;
  }
  const std::vector<std::string>& rows() { return window.app().viewer().rows(); }
  QComboBox* list(int rc, int k) {
    return window.bindings().widget({Ctl::rc_q6, rc})->findChildren<QComboBox*>().at(k);
  }
};

TEST_F(FrontSix, PageFitsTheSmallScreen) {
  const QSize page = window.page_widget(3)->sizeHint();
  EXPECT_LE(page.width(), 1366 - 2 - 16);
  // The page shows without scrolling on a screen with a top bar and a dock,
  // with the window's frame, top bar and advert line around it.
  const int around = window.sizeHint().height() - window.page_scroll()->sizeHint().height();
  EXPECT_LE(page.height() + around, 768 - 28 - 32 - 48);
  window.resize(window.sizeHint());
  for (QPushButton* b : window.page_widget(3)->findChildren<QPushButton*>())
    EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width() - 2) << b->text().toStdString();
}

TEST_F(FrontSix, RunDrawsAfterItsTimerThenScrollsAndCopies) {
  click(Ctl::C_q6, 1);  // kill 01
  click(Ctl::C_q6_gn, kQ6Run);
  EXPECT_EQ(widget<QLabel>(Ctl::L_jg_zhushu, kQ6CountLabel)->text(), "60480");
  EXPECT_FALSE(area_drawn());
  window.advance(ResultViewer::kFirstDrawMs);
  EXPECT_TRUE(area_drawn());
  ASSERT_EQ(rows().size(), 15u);
  EXPECT_EQ(rows().front(), "02 03 04 05 06 07");
  ScrollBarWidget* bar = scroll_bar();
  EXPECT_EQ(bar->maximum(), 60480 - 15);
  EXPECT_TRUE(bar->thumb_visible());

  // Holding the down arrow: one line at once, one more half a second later.
  const QPoint down = bar->down_arrow().center();
  QTest::mousePress(bar, Qt::LeftButton, {}, down);
  EXPECT_EQ(rows().front(), "02 03 04 05 06 08");
  window.advance(500);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, down);
  EXPECT_EQ(window.app().viewer().value(), 2);
  EXPECT_EQ(rows().front(), "02 03 04 05 06 09");
  // The thumb dragged to the bottom shows the last fifteen picks.
  const QPoint grab = bar->thumb_rect().center();
  QTest::mousePress(bar, Qt::LeftButton, {}, grab);
  const QPoint bottom = grab + QPoint(0, bar->height());
  QMouseEvent move(QEvent::MouseMove, bottom, bar->mapToGlobal(bottom), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(bar, &move);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, bottom);
  EXPECT_EQ(window.app().viewer().value(), 60480 - 15);
  EXPECT_EQ(rows().back(), "10 09 08 07 06 05");

  on_next_modal<TipWindow>([&](TipWindow*) { window.advance(kTipMilliseconds); });
  click(Ctl::C_q6_gn, kQ6CopyAll);
  const QString copied = QApplication::clipboard()->text();
  EXPECT_TRUE(copied.startsWith("02 03 04 05 06 07\r\n"));
  EXPECT_EQ(copied.count("\r\n"), 60480 - 1);
}

// The viewer scrolls by the wheel over its rows or its bar, three picks a
// notch, and by the keys once a click has given it the focus.
TEST_F(FrontSix, ViewerMovesByWheelAndKeys) {
  click(Ctl::C_q6, 1);
  click(Ctl::C_q6_gn, kQ6Run);
  window.advance(ResultViewer::kFirstDrawMs);
  QWidget* viewer = window.bindings().widget({Ctl::ucf_q6show, 0});
  const auto value = [&] { return window.app().viewer().value(); };
  const auto wheel = [](QWidget* w, int angle) {
    const QPointF at = w->rect().center();
    QWheelEvent event(at, w->mapToGlobal(at), {}, {0, angle}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
  };
  wheel(viewer, -120);
  EXPECT_EQ(value(), 3);
  wheel(scroll_bar(), -240);
  EXPECT_EQ(value(), 9);
  wheel(viewer, 60);  // half a notch waits for the other half
  EXPECT_EQ(value(), 9);
  wheel(viewer, 60);
  EXPECT_EQ(value(), 6);
  EXPECT_EQ(rows().front(), "02 03 04 05 07 09");

  QApplication::setActiveWindow(&window);
  QTest::mouseClick(viewer_part("Pic"), Qt::LeftButton);
  EXPECT_TRUE(viewer->hasFocus());
  QTest::keyClick(viewer, Qt::Key_Down);
  EXPECT_EQ(value(), 7);
  QTest::keyClick(viewer, Qt::Key_PageDown);
  EXPECT_EQ(value(), 22);
  QTest::keyClick(viewer, Qt::Key_Up);
  QTest::keyClick(viewer, Qt::Key_PageUp);
  EXPECT_EQ(value(), 6);
  QTest::keyClick(viewer, Qt::Key_End);
  EXPECT_EQ(value(), 60480 - 15);
  EXPECT_EQ(rows().back(), "10 09 08 07 06 05");
  QTest::keyClick(viewer, Qt::Key_PageDown);
  EXPECT_EQ(value(), 60480 - 15);
  QTest::keyClick(viewer, Qt::Key_Home);
  EXPECT_EQ(value(), 0);
  EXPECT_EQ(scroll_bar()->value(), 0);
}

// The base box shows the list that a run uses: typing or pasting into it
// is refused with a tip, and a double click that empties it drops the list.
TEST_F(FrontSix, BaseBoxShowsTheListInUse) {
  const auto count = [&] { return widget<QLabel>(Ctl::L_jg_zhushu, kQ6CountLabel)->text(); };
  QApplication::clipboard()->setText("01 02 03 04 05 06\r\n10 09 08 07 06 05");
  click(Ctl::C_q6_gn, kQ6PasteBase);
  click(Ctl::C_q6_gn, kQ6Run);
  EXPECT_EQ(count(), "2");
  auto* base = widget<PastedListBox>(Ctl::T_q6, q6_paste_box(kQ6PasteBase).box);
  ASSERT_NE(base, nullptr);
  const QString shown = base->text();
  EXPECT_TRUE(shown.startsWith("010203040506\n100908070605")) << shown.toStdString();
  EXPECT_EQ(
      shown,
      QString::fromStdString(*window.app().text_of({Ctl::T_q6, q6_paste_box(kQ6PasteBase).box})).replace("\r\n", "\n"));

  QApplication::clipboard()->setText("02 03 04 05 06 07");
  QApplication::setActiveWindow(&window);
  base->setFocus();
  QStringList tips;
  const auto next_tip = [&] {
    on_next_modal<TipWindow>([&](TipWindow* tip) {
      tips << tip->findChild<QLabel*>("L_cp_ts")->text();
      window.advance(kTipMilliseconds);
    });
  };
  next_tip();
  QTest::keyClick(base, Qt::Key_V, Qt::ControlModifier);
  next_tip();
  QTest::keyClick(base, Qt::Key_1);
  EXPECT_EQ(tips, QStringList({"请用“粘”按钮粘贴号码", "请用“粘”按钮粘贴号码"}));
  EXPECT_EQ(base->text(), shown);
  click(Ctl::C_q6_gn, kQ6Run);
  EXPECT_EQ(count(), "2");

  QTest::mouseDClick(base->viewport(), Qt::LeftButton);
  EXPECT_EQ(base->text(), "");
  click(Ctl::C_q6_gn, kQ6Run);
  EXPECT_EQ(count(), "151200");
}

// A list of every pick is shown line by line from the App's text without a
// text document; the bar reaches its last line, and a new paste shows the
// new list from its top.
TEST_F(FrontSix, PastedListOfEveryPickIsShownWhole) {
  std::string all;
  for (int pick = 1; pick <= kPicks6; ++pick) all += line_6x(pick) + "\r\n";
  QApplication::clipboard()->setText(QString::fromStdString(all));
  click(Ctl::C_q6_gn, kQ6PasteKill);
  auto* kill = widget<PastedListBox>(Ctl::T_q6, q6_paste_box(kQ6PasteKill).box);
  ASSERT_NE(kill, nullptr);
  const std::string& shown = *window.app().text_of({Ctl::T_q6, q6_paste_box(kQ6PasteKill).box});
  EXPECT_EQ(kill->line_count(), static_cast<int>(std::count(shown.begin(), shown.end(), '\n')) + 1);
  EXPECT_GE(kill->line_count(), kPicks6);
  EXPECT_EQ(kill->text(), QString::fromStdString(shown).replace("\r\n", "\n"));
  QScrollBar* bar = kill->verticalScrollBar();
  EXPECT_EQ(bar->maximum(), kill->line_count() - bar->pageStep());
  bar->setValue(bar->maximum());
  QApplication::clipboard()->setText("01 02 03 04 05 06\r\n10 09 08 07 06 05");
  click(Ctl::C_q6_gn, kQ6PasteKill);
  EXPECT_EQ(bar->value(), 0);
  EXPECT_TRUE(kill->text().startsWith("010203040506"));
}

TEST_F(FrontSix, SelectorsAndBoxesUntilClearAll) {
  EXPECT_EQ(list(kQ6TotalSelector, 1)->count(), 21);
  QComboBox* upper = list(1, 1);
  EXPECT_EQ(upper->count(), 7);
  QTest::keyClick(upper, Qt::Key_Down);
  QTest::keyClick(upper, Qt::Key_Down);
  EXPECT_EQ(window.app().selector_of({Ctl::rc_q6, 1})->range_text(), "0<*>2");

  auto* hinted = widget<PastedListBox>(Ctl::T_q6, 0);
  EXPECT_TRUE(hinted->text().startsWith("粘贴您不要的大底号码"));
  QTest::mouseDClick(hinted->viewport(), Qt::LeftButton);
  EXPECT_EQ(hinted->text(), "");
  EXPECT_EQ(*window.app().text_of({Ctl::T_q6, 0}), "");
  auto* prize = widget<QLineEdit>(Ctl::T_q6, kQ6PrizeBox);
  QTest::keyClicks(prize, "123");
  QTest::mouseDClick(prize, Qt::LeftButton);
  EXPECT_EQ(*window.app().text_of({Ctl::T_q6, kQ6PrizeBox}), "");

  click(Ctl::C_q6_gn, kQ6Run);
  window.advance(ResultViewer::kFirstDrawMs);
  EXPECT_TRUE(area_drawn());
  click(Ctl::C_q6_gn, kQ6ClearAll);
  EXPECT_EQ(upper->currentText(), "0");
  EXPECT_EQ(hinted->text(), "粘贴您不要的大底号码");
  EXPECT_FALSE(area_drawn());
  EXPECT_FALSE(scroll_bar()->thumb_visible());
}

}  // namespace
}  // namespace tesvik
