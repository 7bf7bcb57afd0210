#pragma once
// Fmain: the top bar, the four stacked mode pages, the advert labels, the
// start-up overlay and the progress display, all rendered from the App.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "app/app.h"
#include "app/window/bindings.h"

class QFrame;
class QStackedWidget;

namespace tesvik {

class ConditionPage;

class MainWindow : public QWidget {
 public:
  explicit MainWindow(UserPort& port);
  App& app() { return app_; }
  Bindings& bindings() { return bindings_; }
  // Creates the App's window state and starts its timers on the real clock.
  void start();
  // Shows the App's current state.
  void sync();
  QWidget* page_widget(int page) const;
  QFrame* progress_bar() const { return bar_; }
  QFrame* progress_container() const { return progress_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* top_bar();
  QWidget* bottom_bar();
  void build_overlays();
  void place_overlays();
  void tick();

  App app_;
  Bindings bindings_;
  QStackedWidget* pages_ = nullptr;
  std::array<ConditionPage*, 3> condition_pages_{};
  QFrame* overlay_ = nullptr;
  QFrame* progress_ = nullptr;
  QFrame* bar_ = nullptr;
  QFrame* picture_ = nullptr;
  QTimer clock_timer_;
  QElapsedTimer clock_;
  bool in_sync_ = false;
};

}  // namespace tesvik
