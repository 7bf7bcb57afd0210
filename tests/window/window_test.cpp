// The real window on Qt's offscreen platform: widgets forward to the App,
// and the App's state shows on the widgets. Time is the window's virtual
// clock, moved by advance(); nothing here waits in real time.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include "app/window/condition_box_widget.h"
#include "app/window/elided_button.h"
#include "app/window/history_dialog.h"
#include "app/window/tip_window.h"
#include "window_fixture.h"

namespace tesvik {
namespace {

TEST_F(Window, KillButtonTurnsYellowInTheModelAndOnScreen) {
  started();
  click(Ctl::C_ding, 0);
  QPushButton* b = widget(Ctl::C_annv, 49);
  click(Ctl::C_annv, 49);
  EXPECT_EQ(window.app().panel().annv[49].colour, kKill);
  // Most of the painted button is yellow.
  const QImage shot = b->grab().toImage();
  int yellow = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      yellow += c.red() > 200 && c.green() > 200 && c.blue() < 120;
    }
  EXPECT_GT(yellow, shot.width() * shot.height() / 2);
  click(Ctl::C_annv, 49);
  EXPECT_EQ(window.app().panel().annv[49].colour, kNeutral);
}

// After a click the focus is on the sink, which shows nothing: no visible
// control of the window reads "C1".
TEST_F(Window, ClicksLeaveTheFocusOnAnInvisibleSink) {
  started();
  QApplication::setActiveWindow(&window);
  click(Ctl::C_ding, 0);
  auto* box = widget<ConditionBoxWidget>(Ctl::T_nei_txt_ip, 0);
  box->setFocus();
  ASSERT_TRUE(box->hasFocus());
  click(Ctl::C_annv, 49);
  QWidget* sink = window.bindings().widget({Ctl::C1, 0});
  ASSERT_NE(sink, nullptr);
  EXPECT_TRUE(sink->hasFocus());
  EXPECT_TRUE(sink->size().isEmpty());
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      EXPECT_NE(b->text(), "C1");
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
      EXPECT_NE(l->text(), "C1");
    }
  }
}

TEST_F(Window, RunShowsTheListAndCount) {
  started();
  click(Ctl::C_ding, 2);
  click(Ctl::C_jg_gn, 10);
  auto* list = widget<QListView>(Ctl::List_jg, 2);
  EXPECT_EQ(list->model()->rowCount(), 30240);
  EXPECT_EQ(list->model()->index(0, 0).data().toString(), "01 02 03 04 05");
  EXPECT_EQ(widget<QLabel>(Ctl::L_jg_zhushu, 2)->text(), "前五注数:30240");
  click(Ctl::C_ding, 0);
  click(Ctl::C_annv, 49);
  click(Ctl::C_jg_gn, 0);
  EXPECT_EQ(widget<QListView>(Ctl::List_jg, 0)->model()->rowCount(), 504);
  EXPECT_FALSE(window.progress_container()->isVisible());
}

// A list is redrawn when it changed, even to as many rows as before, and a
// page clear empties it on screen.
TEST_F(Window, ListShowsNewRowsOfTheSameCount) {
  started();
  click(Ctl::C_ding, 0);
  auto* list = widget<QListView>(Ctl::List_jg, 0);
  click(Ctl::C_annv, 45);  // kill 01
  click(Ctl::C_jg_gn, 0);
  ASSERT_EQ(list->model()->rowCount(), 504);
  EXPECT_EQ(list->model()->index(0, 0).data().toString(), "02 03 04");
  click(Ctl::C_annv, 45);
  click(Ctl::C_annv, 46);  // kill 02 instead
  click(Ctl::C_jg_gn, 0);
  ASSERT_EQ(list->model()->rowCount(), 504);
  EXPECT_EQ(list->model()->index(0, 0).data().toString(), "01 03 04");
  click(Ctl::C_jg_gn, 3);
  EXPECT_EQ(list->model()->rowCount(), 0);
}

// The tip of a copy is a frameless tool window that leaves the main window
// active and closes itself after 600 ms of the window's clock; the copy
// returns only then.
TEST_F(Window, CopyShowsATipThatClosesAfter600ms) {
  started();
  QApplication::setActiveWindow(&window);
  click(Ctl::C_ding, 0);
  window.app().set_text({Ctl::T_nei_txt_ip, 7}, "010203\r\n030810");
  click(Ctl::C_jg_gn, 0);
  bool seen = false;
  on_next_modal<TipWindow>([&](TipWindow* tip) {
    seen = true;
    EXPECT_TRUE(tip->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(tip->windowType(), Qt::ToolTip);  // no task-bar entry
    EXPECT_EQ(QApplication::activeWindow(), &window);
    // Not modal, so that no window manager makes Qt ask the tip for the
    // focus; the user's clicks meanwhile are dropped all the same.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    click(Ctl::C_annv, 49);
    EXPECT_EQ(window.app().button_of({Ctl::C_annv, 49})->colour, kNeutral);
    EXPECT_EQ(tip->findChild<QLabel*>("L_cp_ts")->text(), "复制成功");
    EXPECT_EQ(QApplication::clipboard()->text(), "01 02 03\r\n03 08 10");
    window.advance(kTipMilliseconds - 1);
    EXPECT_TRUE(tip->isVisible());
    window.advance(1);
    EXPECT_FALSE(tip->isVisible());
  });
  click(Ctl::C_jg_gn, 1);
  EXPECT_TRUE(seen);
  EXPECT_EQ(window.app().timers().now(), kTipMilliseconds);
}

// Prize boxes edit like any text box; the key filter only refuses
// characters: non-digits and digits beyond the box's length.
TEST_F(Window, PrizeBoxEditsAtTheCaret) {
  started();
  click(Ctl::C_ding, 0);
  auto* box = widget<QLineEdit>(Ctl::T_duijiang, 1);
  const auto& model = window.app().panel().duijiang[1];
  QTest::keyClicks(box, "38");
  QTest::keyClick(box, Qt::Key_Home);
  QTest::keyClick(box, Qt::Key_0);
  EXPECT_EQ(box->text(), "038");
  EXPECT_EQ(model, "038");
  EXPECT_EQ(box->cursorPosition(), 1);
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_Delete);
  EXPECT_EQ(model, "");

  QTest::keyClicks(box, "3a80x5");  // a, x refused; 5 would be a fourth digit
  EXPECT_EQ(model, "380");
  QTest::keyClick(box, Qt::Key_Left);
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(model, "30");
  QTest::keyClick(box, Qt::Key_9);
  EXPECT_EQ(model, "390");
  QTest::keyClick(box, Qt::Key_Period);  // "." passes even when full
  EXPECT_EQ(model, "39.0");
  // Typing over a selection replaces it, so a full box takes the digit.
  box->selectAll();
  QTest::keyClick(box, Qt::Key_7);
  EXPECT_EQ(model, "7");
}

// After the check's message the box has the focus again, so that typing
// goes on without a click.
TEST_F(Window, EnterInThePrizeBoxRunsTheCheck) {
  started();
  QApplication::setActiveWindow(&window);
  click(Ctl::C_ding, 0);
  click(Ctl::C_jg_gn, 0);
  auto* box = widget<QLineEdit>(Ctl::T_duijiang, 1);
  box->setFocus();
  QTest::keyClicks(box, "380");
  Box shown;
  next_box(QMessageBox::Ok, shown);
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(shown.title, "温馨提示");
  EXPECT_EQ(shown.text, "恭喜，找到号码！");
  QApplication::setActiveWindow(&window);  // as the window manager does once the box has gone
  EXPECT_TRUE(box->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
  EXPECT_EQ(window.app().panel().duijiang[1], "38");
}

TEST_F(Window, TabInAConditionBoxMovesTheFocusOn) {
  started();
  QApplication::setActiveWindow(&window);
  click(Ctl::C_ding, 0);
  auto* box = widget<ConditionBoxWidget>(Ctl::T_nei_txt_ip, 0);
  box->setFocus();
  QTest::keyClicks(box, "01");
  QTest::keyClick(box, Qt::Key_Tab);
  EXPECT_EQ(window.app().panel().txt_ip[0], "01");
  EXPECT_FALSE(box->hasFocus());
}

TEST_F(Window, DoubleClickEmptiesAConditionBox) {
  started();
  click(Ctl::C_ding, 0);
  auto* box = widget<ConditionBoxWidget>(Ctl::T_nei_txt_ip, 0);
  QTest::keyClicks(box, "01 02 03");
  EXPECT_EQ(window.app().panel().txt_ip[0], "01 02 03");
  QTest::mouseDClick(box->viewport(), Qt::LeftButton);
  EXPECT_EQ(window.app().panel().txt_ip[0], "");
  EXPECT_EQ(box->text(), "");
}

TEST_F(Window, ModeButtonsWaitForTheLightSequence) {
  window.app().create();
  window.sync();
  window.advance(400);
  click(Ctl::C_ding, 2);
  EXPECT_EQ(window.app().frame().page, 3);
  EXPECT_EQ(widget(Ctl::C_annv, 0)->text(), "01\n02");  // the start-up ran at 50 ms
  window.advance(500);
  click(Ctl::C_ding, 2);
  EXPECT_EQ(window.app().frame().page, 2);
  EXPECT_TRUE(window.page_widget(2)->isVisible());
}

TEST_F(Window, AdvertTurnsRedOnHoverAndBackAfterASecond) {
  started();
  auto* advert = widget<QLabel>(Ctl::L_ad, 1);
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(advert, &enter);
  EXPECT_EQ(advert->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_TRUE(advert->font().underline());
  window.advance(999);
  EXPECT_EQ(advert->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  window.advance(1);
  EXPECT_EQ(advert->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_FALSE(advert->font().underline());
}

// Qt's own texts are Chinese, and each box is wide enough for its title in
// a large title-bar font.
TEST_F(Window, DialogsSpeakChineseAndShowTheirTitle) {
  started();
  click(Ctl::C_ding, 0);
  Box message;
  next_box(QMessageBox::Ok, message);
  click(Ctl::C_shuoming, 0);
  EXPECT_EQ(message.title, "温馨提示");
  EXPECT_TRUE(message.text.startsWith("[**q3杀直选**]")) << message.text.toStdString();
  ASSERT_EQ(message.buttons.size(), 1);
  EXPECT_TRUE(message.buttons[0].startsWith("确定")) << message.buttons[0].toStdString();
  QFont title_font = window.font();
  title_font.setPointSize(11);
  title_font.setBold(true);
  EXPECT_GE(message.width, QFontMetrics(title_font).horizontalAdvance(message.title) + 3 * 24);

  Box question;
  next_box(QMessageBox::No, question);
  EXPECT_FALSE(window.close());
  EXPECT_EQ(question.text, "是否要关闭软件？");
  ASSERT_EQ(question.buttons.size(), 2);
  EXPECT_TRUE(question.buttons.filter("是").size() == 1 && question.buttons.filter("否").size() == 1)
      << question.buttons.join(" ").toStdString();
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.app().ended());
}

TEST_F(Window, HelpButtonsShowThePicturePanel) {
  started();
  click(Ctl::C_ding, 0);
  click(Ctl::C_shuoming, 6);
  QPushButton* close = widget(Ctl::C_shuoming, 60);
  EXPECT_TRUE(close->isVisible());
  click(Ctl::C_shuoming, 60);
  EXPECT_FALSE(close->isVisible());
  // Escape closes it as well.
  click(Ctl::C_shuoming, 6);
  QApplication::setActiveWindow(&window);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(close->isVisible());
  EXPECT_FALSE(window.app().panel().picture_panel);
}

TEST_F(Window, ProgressBarCoversItsShareOfTheContainer) {
  started();
  window.app().show_progress(0, 1);
  window.app().show_progress(58, 2);
  EXPECT_TRUE(window.progress_container()->isVisible());
  EXPECT_EQ(window.progress_bar()->width(), window.progress_container()->width() * 58 / 100);
  window.app().show_progress(100, 2);
  EXPECT_EQ(window.progress_bar()->width(), window.progress_container()->width());
  window.app().show_progress(0, 0);
  EXPECT_FALSE(window.progress_container()->isVisible());
}

TEST_F(Window, EveryCaptionFitsItsButton) {
  started();
  window.resize(window.sizeHint());
  for (int page = 0; page < 3; ++page) {
    click(Ctl::C_ding, page);
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
      if (!b->isVisibleTo(&window)) continue;
      const QFontMetrics fm(b->font());
      for (const QString& line : b->text().split('\n'))
        EXPECT_LE(fm.horizontalAdvance(line), b->width() - 2) << line.toStdString();
    }
  }
}

// On a screen smaller than a page the window still opens inside the
// available area, and the page scrolls to its bottom row.
TEST_F(Window, SmallWindowScrollsToTheBottomRow) {
  started();
  for (int p = 0; p < 3; ++p)
    EXPECT_LE(window.page_widget(p)->minimumSizeHint().width(), 1366 - 2 - 16)
        << "a 1366 px wide screen shows page " << p << " without a horizontal scroll bar";
  EXPECT_LT(window.minimumSizeHint().height(), 400);
  window.resize(900, 400);
  for (int p = 0; p < 3; ++p) {
    click(Ctl::C_ding, p);
    QApplication::processEvents();
    QScrollArea* scroll = window.page_scroll();
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible()) << p;
    QWidget* prize = widget<QLineEdit>(Ctl::T_duijiang, p + 1);
    const QPoint centre = prize->mapTo(scroll->widget(), prize->rect().center());
    scroll->ensureVisible(centre.x(), centre.y(), prize->width() / 2 + 4, prize->height() / 2 + 4);
    const QRect shown(prize->mapTo(scroll->viewport(), QPoint(0, 0)), prize->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown)) << p;
  }
  EXPECT_TRUE(widget<QLabel>(Ctl::L_ad, 2)->visibleRegion().boundingRect().size() ==
              widget<QLabel>(Ctl::L_ad, 2)->size());

  window.hide();
  window.show_fitted();
  const QRect area = window.screen()->availableGeometry();
  EXPECT_TRUE(area.contains(window.frameGeometry()));
}

// Over a tolerance box that has no focus the wheel scrolls the page and
// leaves the tolerance; with the focus the box takes the wheel.
TEST_F(Window, WheelScrollsThePageUnlessTheComboHasTheFocus) {
  started();
  window.resize(900, 400);
  click(Ctl::C_ding, 1);
  QApplication::processEvents();
  auto* combo = widget<QComboBox>(Ctl::Comb_rc, 20);
  QScrollBar* page = window.page_scroll()->verticalScrollBar();
  const auto wheel = [combo] {
    const QPointF at = combo->rect().center();
    QWheelEvent event(at, combo->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(combo, &event);
  };
  ASSERT_EQ(page->value(), 0);
  wheel();
  EXPECT_EQ(combo->currentText(), "0");
  EXPECT_EQ(*window.app().text_of({Ctl::Comb_rc, 20}), "0");
  EXPECT_GT(page->value(), 0);
  EXPECT_EQ(combo->focusPolicy(), Qt::StrongFocus);  // the wheel gives it no focus

  QApplication::setActiveWindow(&window);
  combo->setFocus();
  const int scrolled = page->value();
  wheel();
  EXPECT_EQ(combo->currentText(), "1");
  EXPECT_EQ(page->value(), scrolled);
}

// Narrower than its page, the window cuts the link captions with "…" and
// shows each whole in its tool tip.
TEST_F(Window, NarrowWindowElidesLinkCaptions) {
  started();
  auto* link = dynamic_cast<ElidedButton*>(widget(Ctl::C_ding_an, 1));
  ASSERT_NE(link, nullptr);
  window.resize(window.sizeHint());
  QApplication::processEvents();
  EXPECT_EQ(link->shown_caption(), link->text());
  window.resize(640, 500);
  QApplication::processEvents();
  ASSERT_LT(link->width(), QFontMetrics(link->font()).horizontalAdvance(link->text()));
  EXPECT_TRUE(link->shown_caption().endsWith(QString::fromUtf8("…"))) << link->shown_caption().toStdString();
  const QPoint centre = link->rect().center();
  QHelpEvent help(QEvent::ToolTip, centre, link->mapToGlobal(centre));
  QApplication::sendEvent(link, &help);
  EXPECT_EQ(QToolTip::text(), link->text());
  QToolTip::hideText();
}

// The page tools act on the shown page: the history dialog of front three
// checks pasted draws against its run; on front six, before a run, the
// check says the base is empty.
TEST_F(Window, HistoryDialogChecksTheShownPage) {
  started();
  click(Ctl::C_ding, 0);
  click(Ctl::C_annv, 49);
  click(Ctl::C_jg_gn, 0);
  auto* history = window.findChild<QPushButton*>(QString::fromUtf8("历史验证"));
  ASSERT_NE(history, nullptr);
  int rows = -1;
  QString summary;
  on_next_modal<QDialog>([&](QDialog* modal) {
    auto* dialog = dynamic_cast<HistoryDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->draws()->setPlainText("03 07 01\n05 01 03\nhello");
    dialog->check();
    rows = dialog->table()->rowCount();
    EXPECT_EQ(dialog->table()->item(1, 3)->text(), QString::fromUtf8("通杀码"));
    summary = dialog->summary()->text();
    dialog->reject();
  });
  QTest::mouseClick(history, Qt::LeftButton);
  EXPECT_EQ(rows, 3);
  EXPECT_TRUE(summary.startsWith(QString::fromUtf8("共2期，中1期，命中率50.0%"))) << summary.toStdString();
  click(Ctl::C_ding, 3);
  Box box;
  next_box(QMessageBox::Ok, box);
  on_next_modal<QDialog>([&](QDialog* modal) {
    if (auto* dialog = dynamic_cast<HistoryDialog*>(modal)) {
      dialog->check();
      dialog->reject();
    }
  });
  QTest::mouseClick(history, Qt::LeftButton);
  EXPECT_EQ(box.text, QString::fromUtf8("大底为空，请先过滤"));
}

}  // namespace
}  // namespace tesvik
