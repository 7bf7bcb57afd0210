#pragma once
// The real window on Qt's offscreen platform, shown, with helpers to reach
// its widgets and to answer the modal windows that a click opens.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

#include "app/window/main_window.h"
#include "app/window/qt_port.h"

namespace tesvik {

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
  // The modal window of type Modal, or else a shown window of that type
  // (the tip, which waits without being modal).
  template <typename Modal>
  static Modal* showing() {
    if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) return modal;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* window = qobject_cast<Modal*>(w); window && window->isVisible()) return window;
    return nullptr;
  }
  // Runs `inspect` inside the next modal wait (a message box or the tip),
  // once that window is shown. The timer runs on every pass of the event
  // loop, not on the clock. A modal window that no waiting inspection takes
  // fails the test and is closed, so that the test ends instead of waiting
  // for an answer.
  template <typename Modal = QMessageBox>
  void on_next_modal(std::function<void(Modal*)> inspect) {
    auto* poll = new QTimer(&window);
    awaited_[poll] = [](QWidget* w) { return qobject_cast<Modal*>(w) != nullptr; };
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, inspect] {
      Modal* modal = showing<Modal>();
      QWidget* active = QApplication::activeModalWidget();
      if (!modal && (!active || awaited_by_another(poll, active))) return;
      awaited_.erase(poll);
      poll->stop();
      poll->deleteLater();
      if (modal) return inspect(modal);
      ADD_FAILURE() << "a " << active->metaObject()->className() << " opened instead of the "
                    << Modal::staticMetaObject.className() << " awaited";
      if (auto* dialog = qobject_cast<QDialog*>(active)) dialog->reject();
      else active->close();
    });
    poll->start(0);
  }
  bool awaited_by_another(QTimer* poll, QWidget* active) const {
    for (const auto& [other, takes] : awaited_)
      if (other != poll && takes(active)) return true;
    return false;
  }
  // The texts of the next message box; it is closed with `button`.
  struct Box {
    QString title, text;
    QStringList buttons;
    int width = 0;
  };
  Box next_box(QMessageBox::StandardButton button, Box& box) {
    on_next_modal<QMessageBox>([&box, button](QMessageBox* m) {
      box.title = m->windowTitle();
      box.text = m->text();
      for (QAbstractButton* b : m->buttons()) box.buttons << b->text();
      box.width = m->width();
      m->button(button)->click();
    });
    return box;
  }

  QtPort port;
  MainWindow window{port};
  std::map<QTimer*, std::function<bool(QWidget*)>> awaited_;  // the modal windows that inspections wait for
};

}  // namespace tesvik
