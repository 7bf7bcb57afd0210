#pragma once
// Fmain: the top bar, the four stacked mode pages, the advert labels, the
// start-up overlay and the progress display, all rendered from the App.

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "app/app.h"
#include "app/window/bindings.h"

class QFrame;
class QLabel;
class QScrollArea;
class QStackedWidget;

namespace tesvik {

class HelpPicturePanel;
class PageView;

class MainWindow : public QWidget {
 public:
  explicit MainWindow(UserPort& port);
  App& app() { return app_; }
  Bindings& bindings() { return bindings_; }
  // Shows the window on its screen: at its preferred size when that fits the
  // screen's available area with a frame, else maximised; the pages scroll
  // when the window is smaller than they are.
  void show_fitted();
  // Shows the window over the others, restored if it was minimised.
  void bring_to_front();
  // Creates the App's window state and starts its timers on the real clock.
  void start();

  // The window's time. It is the real clock once start() has run; until
  // then it moves only by advance(), which lets the App's timers and the
  // window's own alarms (the tip window's 600 ms) fire as virtual time
  // passes, so that tests never wait in real time.
  std::int64_t now();
  void advance(std::int64_t ms);
  // Runs fire once, ms from now, unless context is gone by then.
  void after(std::int64_t ms, QObject* context, std::function<void()> fire);

  // Shows the App's current state.
  void sync();
  QWidget* page_widget(int page) const;
  QScrollArea* page_scroll() const { return scroll_; }
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
  void show_page(int page);
  void tick();

  struct Alarm {
    std::int64_t due;
    QPointer<QObject> context;
    std::function<void()> fire;
  };

  App app_;
  Bindings bindings_;
  QScrollArea* scroll_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  std::array<PageView*, 4> page_views_{};
  QFrame* overlay_ = nullptr;
  QFrame* progress_ = nullptr;
  QFrame* bar_ = nullptr;
  HelpPicturePanel* picture_ = nullptr;  // Pic_dmsm
  QLabel* news_ = nullptr;
  QTimer clock_timer_;
  QElapsedTimer clock_;
  std::vector<Alarm> alarms_;  // of the virtual clock
  bool in_sync_ = false;
};

}  // namespace tesvik
