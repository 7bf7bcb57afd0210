#pragma once
// The App's timers on the browser's clock: while started, an interval of the
// browser brings the App's clock up to the time passed since the start.
// Waits of the program itself (the tip's 600 ms, a delay) move the App's
// clock ahead at once; the browser's time then catches up before timers fire
// again, so that no time is counted twice.

namespace tesvik {
class App;
}

namespace tesvik::web {

class BrowserClock {
 public:
  explicit BrowserClock(App& app) : app_(app) {}
  BrowserClock(const BrowserClock&) = delete;
  BrowserClock& operator=(const BrowserClock&) = delete;
  ~BrowserClock() { stop(); }

  void start();
  void stop();
  // Due timers run: the App's clock reaches the browser's time.
  void catch_up();

 private:
  App& app_;
  double origin_ms_ = 0;
  long interval_ = 0;  // the browser's interval id; 0 when stopped
  bool catching_up_ = false;
};

}  // namespace tesvik::web
