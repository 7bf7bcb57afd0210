#pragma once
// The busy cursor while the window's thread works for long on a user's
// event (a run, a paste): one guard spans the event. The cursor shows once
// the event has taken kDelayMs, checked whenever the work lets the window
// breathe (the progress display of a run), or at once for work that is long
// by its size (a large paste), and goes with the guard.

#include <QElapsedTimer>

namespace tesvik {

class BusyCursor {
 public:
  static constexpr int kDelayMs = 100;
  // A text this long takes more than kDelayMs to paste and read.
  static constexpr long long kLongText = 256 * 1024;

  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  // The innermost guard shows the cursor once it has lasted kDelayMs.
  static void breathe();
  // The innermost guard shows the cursor now.
  static void long_work();

 private:
  void show();

  QElapsedTimer clock_;
  bool shown_ = false;
  BusyCursor* outer_;
  static BusyCursor* current_;
};

}  // namespace tesvik
