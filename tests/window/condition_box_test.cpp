// The condition boxes hand the App each change of their text, piece by
// piece; after any edit the App holds exactly what the box shows.

#include <QClipboard>
#include <QKeyEvent>
#include <random>

#include "app/front_six/front6_page_table.h"
#include "app/window/busy_cursor.h"
#include "app/window/condition_box_widget.h"
#include "window_fixture.h"

namespace tesvik {
namespace {

class ConditionBox : public Window {
 protected:
  ConditionBoxWidget* box(Ctl array = Ctl::T_nei_txt_ip, int index = 0) {
    auto* b = widget<ConditionBoxWidget>(array, index);
    b->setFocus();
    return b;
  }
  const std::string& app_text(Ctl array = Ctl::T_nei_txt_ip, int index = 0) {
    return *window.app().text_of({array, index});
  }
  // A key that types `text`, as an input method may hand over any text.
  void type(ConditionBoxWidget* b, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(b, &press);
  }
  void paste(ConditionBoxWidget* b, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    b->paste();
  }
};

TEST_F(ConditionBox, RandomEditsKeepTheAppEqualToTheBox) {
  started();
  click(Ctl::C_ding, 0);
  ConditionBoxWidget* b = box();
  paste(b, "01 02 03\r\n04 05 06\n07 08 09\r10\n");
  ASSERT_EQ(app_text(), b->text());

  const QStringList typed{"1", "0", " ", "数", "😀", QString(QChar(QChar::Nbsp)), "é"};
  const QStringList pasted{"",
                           "x",
                           "01\r\n02",
                           "a\rb\nc",
                           "😀😀\n",
                           "line\r\n\r\nnext\r\n",
                           QString("p") + QChar(QChar::ParagraphSeparator) + "q"};
  std::mt19937 random(20261208);
  const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int step = 0; step < 400; ++step) {
    const int length = static_cast<int>(b->text().size());
    switch (pick(9)) {
      case 0: type(b, typed[pick(static_cast<int>(typed.size()))]); break;
      case 1: QTest::keyClick(b, Qt::Key_Return); break;
      case 2: QTest::keyClick(b, Qt::Key_Backspace); break;
      case 3: QTest::keyClick(b, Qt::Key_Delete); break;
      case 4: {
        const auto at = static_cast<std::size_t>(pick(length + 1));
        b->select(at, at);
        break;
      }
      case 5: b->select(static_cast<std::size_t>(pick(length + 1)), static_cast<std::size_t>(pick(length + 1))); break;
      case 6: paste(b, pasted[pick(static_cast<int>(pasted.size()))]); break;
      case 7: QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier); break;
      case 8: QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); break;
    }
    ASSERT_EQ(app_text(), b->text()) << "after step " << step;
  }
}

TEST_F(ConditionBox, TypingAfterTheAppRewroteTheBoxStartsFromItsText) {
  started();
  click(Ctl::C_ding, 0);
  ConditionBoxWidget* b = box();
  // Line breaks the box cannot keep as they are: it shows them as breaks,
  // and the first edit gives the App the box's own text.
  window.bindings().forward([](App& app) { app.set_text({Ctl::T_nei_txt_ip, 0}, "01\n02\r03\r\n04"); });
  EXPECT_EQ(b->text(), "01\r\n02\r\n03\r\n04");
  QTest::keyClick(b, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(b, "5");
  EXPECT_EQ(app_text(), "01\r\n02\r\n03\r\n045");
  // A text the box keeps as it is goes on piece by piece from the rewrite.
  window.bindings().forward([](App& app) { app.set_text({Ctl::T_nei_txt_ip, 0}, "一\r\n😀\r\n"); });
  QTest::keyClick(b, Qt::Key_End, Qt::ControlModifier);
  type(b, "6");
  QTest::keyClick(b, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(b, Qt::Key_Delete);
  EXPECT_EQ(app_text(), "\r\n😀\r\n6");
  QTest::mouseDClick(b->viewport(), Qt::LeftButton);
  QTest::keyClicks(b, "7");
  EXPECT_EQ(app_text(), "7");
}

// A paste over the whole box is one undo step, and redo puts it back.
TEST_F(ConditionBox, PasteOverTheWholeBoxIsOneUndoStep) {
  started();
  click(Ctl::C_ding, 3);
  ConditionBoxWidget* b = box(Ctl::T_q6, 1);
  QTest::keyClicks(b, "12 34 56 78 90 13 24 35 46 57");
  const std::string before = app_text(Ctl::T_q6, 1);
  b->select_all();
  paste(b, "12\r\n34\r\n");
  EXPECT_EQ(app_text(Ctl::T_q6, 1), "12\r\n34\r\n");
  QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(app_text(Ctl::T_q6, 1), before);
  EXPECT_EQ(b->text(), before);
  QTest::keyClick(b, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(app_text(Ctl::T_q6, 1), "12\r\n34\r\n");
}

// A paste that takes long shows the busy cursor until the App has the
// text; a short one leaves the cursor alone.
TEST_F(ConditionBox, LongPasteShowsTheBusyCursor) {
  started();
  click(Ctl::C_ding, 0);
  ConditionBoxWidget* b = box(Ctl::T_nei_txt_ip, 0);
  Qt::CursorShape during = Qt::ArrowCursor;
  QObject::connect(b, &ConditionBoxWidget::edited, b, [&during] {
    const QCursor* shown = QGuiApplication::overrideCursor();
    during = shown ? shown->shape() : Qt::ArrowCursor;
  });
  paste(b, QString(BusyCursor::kLongText, QChar(u'1')));
  EXPECT_EQ(during, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  b->select_all();
  QTest::keyClick(b, Qt::Key_Delete);
  paste(b, "12");
  EXPECT_EQ(during, Qt::ArrowCursor);
}

}  // namespace
}  // namespace tesvik
