// A self-drawn control registered with the bindings is rendered on every
// sync, and the events it forwards reach the App and sync the whole window.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "app/window/colour.h"
#include "app/window/custom_view.h"
#include "app/window/main_window.h"
#include "app/window/qt_port.h"

namespace tesvik {
namespace {

// Shows the number of rows of the compound list, redrawn when it changed.
class RowCountView : public CustomView {
 public:
  explicit RowCountView(QWidget* parent) : label_(new QLabel(parent)) {}
  QWidget* widget() override { return label_; }
  void render(App& app) override {
    ++renders;
    const ListBox& list = *app.list_of({Ctl::List_nei, 0});
    if (drawn_ && list.revision == revision_) return;
    label_->setText(QString::number(list.rows.size()));
    revision_ = list.revision;
    drawn_ = true;
    ++draws;
  }
  void press(ControlRef c) {
    forward([c](App& app) { app.click(c); });
  }
  int renders = 0;
  int draws = 0;

 private:
  QLabel* label_;
  std::uint64_t revision_ = 0;
  bool drawn_ = false;
};

TEST(CustomView, RendersOnSyncAndForwardsItsEvents) {
  QtPort port;
  MainWindow window{port};
  port.attach(&window);
  auto owned = std::make_unique<RowCountView>(&window);
  RowCountView* view = owned.get();
  const ControlRef ref{Ctl::Fmain, 0};  // no other widget is bound to it
  QWidget* shown = window.bindings().custom(ref, std::move(owned));
  EXPECT_EQ(window.bindings().widget(ref), shown);
  window.app().start_without_window();
  window.sync();
  EXPECT_EQ(qobject_cast<QLabel*>(shown)->text(), "0");

  // Forwarded like a click: the App changes and every widget shows it.
  view->press({Ctl::C_annv, 115});
  EXPECT_EQ(window.app().panel().annv[115].colour, kKill);
  auto* button = qobject_cast<QPushButton*>(window.bindings().widget({Ctl::C_annv, 115}));
  EXPECT_EQ(button->palette().color(QPalette::Button), to_qcolor(kKill));
  const int draws = view->draws;
  const int renders = view->renders;
  view->press({Ctl::C_annv, 125});
  view->press({Ctl::C_annv, 135});
  EXPECT_EQ(view->renders, renders + 2);
  EXPECT_EQ(view->draws, draws);
  view->press({Ctl::C_q3_nei, 2});  // adds the compound line "01/01/01"
  EXPECT_EQ(qobject_cast<QLabel*>(shown)->text(), "1");
  EXPECT_EQ(view->draws, draws + 1);
}

}  // namespace
}  // namespace tesvik
