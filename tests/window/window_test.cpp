// The real window on Qt's offscreen platform: widgets forward to the App,
// and the App's state shows on the widgets.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/window/main_window.h"
#include "app/window/qt_port.h"
#include "app/window/tip_window.h"

namespace tesvik {
namespace {

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    port.attach(&window);
    window.show();
  }
  void started() {
    window.app().start_without_window();
    window.sync();
  }
  template <typename W = QPushButton>
  W* widget(Ctl array, int index) {
    auto* w = qobject_cast<W*>(window.bindings().widget({array, index}));
    EXPECT_NE(w, nullptr);
    return w;
  }
  void click(Ctl array, int index) { QTest::mouseClick(widget(array, index), Qt::LeftButton); }
  // Presses `button` of the next message box as soon as it is shown.
  void answer_next_box(QMessageBox::StandardButton button) {
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        box->button(button)->click();
        poll->deleteLater();
      }
    });
    poll->start(5);
  }

  QtPort port;
  MainWindow window{port};
};

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
  EXPECT_TRUE(widget(Ctl::C1, 0)->hasFocus() || !window.isActiveWindow());
  click(Ctl::C_annv, 49);
  EXPECT_EQ(window.app().panel().annv[49].colour, kNeutral);
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

TEST_F(Window, CopyReachesTheSystemClipboardAfterTheTip) {
  started();
  click(Ctl::C_ding, 0);
  window.app().set_text({Ctl::T_nei_txt_ip, 7}, "010203\r\n030810");
  click(Ctl::C_jg_gn, 0);
  QElapsedTimer clock;
  clock.start();
  click(Ctl::C_jg_gn, 1);  // returns once the tip window has closed itself
  EXPECT_GE(clock.elapsed(), kTipMilliseconds - 20);
  EXPECT_EQ(QApplication::clipboard()->text(), "01 02 03\r\n03 08 10");
  for (TipWindow* tip : window.findChildren<TipWindow*>()) EXPECT_FALSE(tip->isVisible());
}

TEST_F(Window, TypedTextReachesTheModelThroughTheKeyFilter) {
  started();
  click(Ctl::C_ding, 0);
  QTest::keyClicks(window.bindings().widget({Ctl::T_duijiang, 1}), "3a80x5");
  EXPECT_EQ(window.app().panel().duijiang[1], "380");
  QTest::keyClicks(window.bindings().widget({Ctl::T_nei_txt_ip, 0}), "01 02 03");
  EXPECT_EQ(window.app().panel().txt_ip[0], "01 02 03");
  QTest::mouseDClick(qobject_cast<QAbstractScrollArea*>(window.bindings().widget({Ctl::T_nei_txt_ip, 0}))->viewport(),
                     Qt::LeftButton);
  EXPECT_EQ(window.app().panel().txt_ip[0], "");
}

TEST_F(Window, ModeButtonsWaitForTheLightSequence) {
  window.start();
  QTest::qWait(400);
  click(Ctl::C_ding, 2);
  EXPECT_EQ(window.app().frame().page, 3);
  QTest::qWait(900);
  EXPECT_EQ(window.app().light_count(), 10);
  EXPECT_EQ(window.app().panel().annv[0].caption, "01\r\n02");
  click(Ctl::C_ding, 2);
  EXPECT_EQ(window.app().frame().page, 2);
  EXPECT_EQ(window.page_widget(2)->isVisible(), true);
}

TEST_F(Window, CloseWithNoKeepsTheWindow) {
  started();
  answer_next_box(QMessageBox::No);
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.app().ended());
}

TEST_F(Window, HelpButtonsShowTheirMessageOrThePicturePanel) {
  started();
  click(Ctl::C_ding, 0);
  QString title, text;
  auto* poll = new QTimer(&window);
  QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      title = box->windowTitle();
      text = box->text();
      box->accept();
      poll->deleteLater();
    }
  });
  poll->start(5);
  click(Ctl::C_shuoming, 0);
  EXPECT_EQ(title, "温馨提示");
  EXPECT_EQ(text, "没有找到此说明数据");
  click(Ctl::C_shuoming, 6);
  QPushButton* close = widget(Ctl::C_shuoming, 60);
  EXPECT_TRUE(close->isVisible());
  click(Ctl::C_shuoming, 60);
  EXPECT_FALSE(close->isVisible());
}

TEST_F(Window, AdvertTurnsRedOnHoverAndBackAfterASecond) {
  window.start();
  QTest::qWait(100);
  auto* advert = widget<QLabel>(Ctl::L_ad, 1);
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(advert, &enter);
  EXPECT_EQ(advert->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_TRUE(advert->font().underline());
  QTest::qWait(1150);
  EXPECT_EQ(advert->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_FALSE(advert->font().underline());
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

TEST_F(Window, EveryCaptionFitsItsButtonAndTheWindowFitsTheScreen) {
  started();
  for (int page = 0; page < 3; ++page) {
    click(Ctl::C_ding, page);
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
      if (!b->isVisibleTo(&window)) continue;
      const QFontMetrics fm(b->font());
      for (const QString& line : b->text().split('\n')) EXPECT_LE(fm.horizontalAdvance(line), b->width() - 2) << line.toStdString();
    }
  }
  EXPECT_LE(window.sizeHint().width(), 1366);
  EXPECT_LE(window.sizeHint().height(), 740);
}

}  // namespace
}  // namespace tesvik
