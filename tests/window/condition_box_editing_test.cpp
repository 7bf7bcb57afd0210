// The editable condition box on its own: keys, mouse, clipboard, undo and
// the input method edit it as a desktop text box does, and every edit it
// reports, replayed on a copy of its text, gives the text it shows.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "app/window/condition_box_widget.h"

namespace tesvik {
namespace {

class BoxEditing : public ::testing::Test {
 protected:
  void SetUp() override {
    box->resize(240, 120);
    box->show();
    QApplication::setActiveWindow(box.get());
    box->setFocus();
    QObject::connect(
        box.get(), &ConditionBoxWidget::edited, box.get(),
        [this](std::size_t at, std::size_t count, std::string_view with) { app.replace(at, count, with); });
  }
  void show(const std::string& text) {
    app = text;
    box->show_text(text);
  }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(box.get(), k, modifiers); }
  void type(const QString& text) { QTest::keyClicks(box.get(), text); }
  // One key that types `text`, as an input method may hand over any text.
  void type_at_once(const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(box.get(), &press);
  }
  void paste(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    key(Qt::Key_V, Qt::ControlModifier);
  }
  // The selected text, as the application keeps it.
  std::string selected() const {
    const std::size_t from = std::min(box->caret(), box->anchor());
    return box->text().substr(from, std::max(box->caret(), box->anchor()) - from);
  }
  QPoint at_line(int line, int x = 6) const { return {x, 4 + line * box->fontMetrics().lineSpacing() + 2}; }
  void press(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, box->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &event);
  }

  std::unique_ptr<ConditionBoxWidget> box = std::make_unique<ConditionBoxWidget>();
  std::string app;  // the reported edits replayed
};

TEST_F(BoxEditing, TypingReplacesTheSelectionAndEnterBreaksWithCrLf) {
  show("01 02\r\n03");
  key(Qt::Key_End, Qt::ControlModifier);
  type("x");
  key(Qt::Key_Left, Qt::ShiftModifier);
  key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(selected(), "3x");
  type("9");
  key(Qt::Key_Return);
  type_at_once("数😀");
  EXPECT_EQ(box->text(), "01 02\r\n09\r\n数😀");
  EXPECT_EQ(app, box->text());
}

TEST_F(BoxEditing, BackspaceAndDeleteJoinLinesAcrossTheirCrLf) {
  show("ab\r\ncd\r\nef");
  key(Qt::Key_Down);
  key(Qt::Key_Home);
  key(Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "abcd\r\nef");
  key(Qt::Key_End);
  key(Qt::Key_Delete);
  EXPECT_EQ(box->text(), "abcdef");
  key(Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "abcef");
  // A character of four bytes goes whole.
  show("a😀");
  key(Qt::Key_End);
  key(Qt::Key_Backspace);
  EXPECT_EQ(box->text(), "a");
  EXPECT_EQ(app, box->text());
}

TEST_F(BoxEditing, UndoTakesBackTypingAsOneStepAndAPasteAsAnother) {
  show("");
  type("12 34");
  key(Qt::Key_Return);
  paste("x\ny");
  EXPECT_EQ(box->text(), "12 34\r\nx\r\ny");
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "12 34\r\n");
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "12 34");
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "");
  EXPECT_EQ(app, "");
  key(Qt::Key_Y, Qt::ControlModifier);
  key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "12 34\r\nx\r\ny");
  EXPECT_EQ(app, box->text());
  // A new edit drops what could be redone.
  key(Qt::Key_Z, Qt::ControlModifier);
  type("z");
  key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "12 34\r\nz");
  // Typing over a selection is one step with the typing after it.
  key(Qt::Key_A, Qt::ControlModifier);
  type("ab");
  key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "12 34\r\nz");
  EXPECT_EQ(app, box->text());
}

TEST_F(BoxEditing, PasteMakesEveryLineBreakCrLf) {
  show("");
  paste(QString("a\r\nb\nc\rd") + QChar(QChar::LineSeparator) + "e" + QChar(QChar::Nbsp) + QChar(0xD800) + "f");
  EXPECT_EQ(box->text(), "a\r\nb\r\nc\r\nd\r\ne ?f");
  EXPECT_EQ(app, box->text());
  // A text the box shows otherwise reaches the application whole at the first edit.
  show("1\n2\r3\xC2\xA0\xFF");
  EXPECT_EQ(box->text(), "1\r\n2\r\n3 \xEF\xBF\xBD");
  EXPECT_EQ(app, "1\n2\r3\xC2\xA0\xFF");
  type("4");
  EXPECT_EQ(app, "41\r\n2\r\n3 \xEF\xBF\xBD");
}

TEST_F(BoxEditing, DropInsertsTheTextWhereItFalls) {
  show("aa\r\nbb");
  QMimeData data;
  data.setText("x\ny");
  QDragEnterEvent enter(at_line(1, 0), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(at_line(1, 0), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(box->viewport(), &drop);
  EXPECT_EQ(box->text(), "aa\r\nx\r\nybb");
  EXPECT_EQ(app, box->text());
}

TEST_F(BoxEditing, ArrowsKeepTheColumnAndCopyGivesLines) {
  show("12345\r\n1\r\n12345");
  key(Qt::Key_End);
  key(Qt::Key_Left);
  key(Qt::Key_Down);
  EXPECT_EQ(box->caret(), 8u);  // the end of the short line
  key(Qt::Key_Down);
  EXPECT_EQ(box->caret(), 14u);  // back in the column it left
  key(Qt::Key_Up, Qt::ShiftModifier);
  key(Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(selected(), "5\r\n1\r\n1234");
  key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "5\n1\n1234");
  key(Qt::Key_Right);  // ends the selection at its end
  EXPECT_EQ(box->caret(), 14u);
  EXPECT_EQ(box->anchor(), 14u);
  key(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(box->caret(), 10u);
  key(Qt::Key_A, Qt::ControlModifier);
  key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "12345\n1\n12345");
}

TEST_F(BoxEditing, MouseClickPlacesTheCaretAndDragSelects) {
  show("aaaa\r\nbbbb\r\ncccc");
  press(QEvent::MouseButtonPress, at_line(1, 0), Qt::LeftButton);
  EXPECT_EQ(box->caret(), 6u);
  press(QEvent::MouseMove, at_line(2, 200), Qt::LeftButton);
  press(QEvent::MouseButtonRelease, at_line(2, 200), Qt::NoButton);
  EXPECT_EQ(selected(), "bbbb\r\ncccc");
  QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::ShiftModifier, at_line(0, 0));
  EXPECT_EQ(selected(), "aaaa\r\n");
}

TEST_F(BoxEditing, TheEditMenuOffersWhatTheBoxCanDo) {
  show("12");
  const auto actions = [this] {
    std::unique_ptr<QMenu> menu(box->edit_menu());
    QList<QAction*> all;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) all.push_back(a);
    return std::pair{std::move(menu), all};
  };
  {
    auto [menu, all] = actions();
    ASSERT_EQ(all.size(), 7);
    for (int k : {0, 1, 2, 3, 5}) EXPECT_FALSE(all[k]->isEnabled()) << k;
    all[6]->trigger();  // select all
  }
  {
    auto [menu, all] = actions();
    EXPECT_TRUE(all[3]->isEnabled());
    all[5]->trigger();  // delete
  }
  EXPECT_EQ(box->text(), "");
  auto [menu, all] = actions();
  all[0]->trigger();  // undo
  EXPECT_EQ(box->text(), "12");
  EXPECT_EQ(app, "12");
}

TEST_F(BoxEditing, InputMethodCommitsInsertText) {
  show("1");
  key(Qt::Key_End);
  QInputMethodEvent composing("shu", {});
  QApplication::sendEvent(box.get(), &composing);
  box->repaint();
  EXPECT_EQ(box->text(), "1");
  QInputMethodEvent event;
  event.setCommitString("数字");
  QApplication::sendEvent(box.get(), &event);
  EXPECT_EQ(box->text(), "1数字");
  EXPECT_EQ(app, box->text());
}

TEST_F(BoxEditing, ScrollBarsFollowTheLinesAndTheCaret) {
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += "01 02 03\r\n";
  show(lines);
  QScrollBar* vertical = box->verticalScrollBar();
  const int visible = vertical->pageStep();
  EXPECT_EQ(vertical->maximum(), 1001 - visible);
  key(Qt::Key_PageDown);
  EXPECT_EQ(box->caret(), static_cast<std::size_t>(visible) * 10);
  key(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(vertical->value(), vertical->maximum());
  EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
  type(QString(200, u'7'));
  EXPECT_GT(box->horizontalScrollBar()->maximum(), 0);
  EXPECT_NEAR(box->horizontalScrollBar()->value(), box->horizontalScrollBar()->maximum(), 1);
  key(Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(vertical->value(), 0);
  EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
}

TEST_F(BoxEditing, ALongLineEditsWhereItShowsAndScrollsToTheCaret) {
  std::string line;
  while (line.size() <= 3 * 4096) line += "01 数 ";  // multi-byte characters among the digits
  show(line + "\r\nend");
  key(Qt::Key_End);
  const int right = box->horizontalScrollBar()->value();
  EXPECT_GT(right, 0);  // scrolled to the caret at the line's end
  type("7");
  EXPECT_EQ(box->text(), line + "7\r\nend");
  key(Qt::Key_Home);
  EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
  // A click lands on the character drawn there, never inside one.
  for (int x = 0; x < 200; x += 7) {
    press(QEvent::MouseButtonPress, at_line(0, x), Qt::LeftButton);
    press(QEvent::MouseButtonRelease, at_line(0, x), Qt::NoButton);
    ASSERT_NE(static_cast<unsigned char>(box->text()[box->caret()]) & 0xC0, 0x80) << x;
  }
  press(QEvent::MouseButtonPress, at_line(0, 0), Qt::LeftButton);
  press(QEvent::MouseButtonRelease, at_line(0, 0), Qt::NoButton);
  key(Qt::Key_Right, Qt::ShiftModifier);
  key(Qt::Key_Right, Qt::ShiftModifier);
  key(Qt::Key_Right, Qt::ShiftModifier);
  key(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(selected(), "01 数");
  box->repaint();
  type("9");
  EXPECT_EQ(box->text().substr(0, 8), "9 01 数");
  QInputMethodEvent composing("shu", {});
  QApplication::sendEvent(box.get(), &composing);
  box->repaint();  // the composed text shows at the caret
  EXPECT_EQ(static_cast<QWidget*>(box.get())->inputMethodQuery(Qt::ImSurroundingText).toString().left(4),
            QString("9 01"));
  EXPECT_EQ(static_cast<QWidget*>(box.get())->inputMethodQuery(Qt::ImCursorPosition).toInt(), 1);
  EXPECT_EQ(app, box->text());
}

TEST_F(BoxEditing, AReadOnlyBoxCopiesButTakesNoEdit) {
  show("12\r\n34");
  box->set_read_only(true);
  key(Qt::Key_A, Qt::ControlModifier);
  type("5");
  key(Qt::Key_Delete);
  paste("6");
  key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "12\r\n34");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "12\n34");
}

}  // namespace
}  // namespace tesvik
