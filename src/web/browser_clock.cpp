#include "web/browser_clock.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cstdint>

#include "app/app.h"

namespace tesvik::web {

namespace {
constexpr double kTickMs = 10;  // the finest interval of the App's timers is 50 ms
}  // namespace

void BrowserClock::start() {
  if (interval_ != 0) return;
  origin_ms_ = emscripten_get_now() - static_cast<double>(app_.timers().now());
  interval_ =
      emscripten_set_interval([](void* clock) { static_cast<BrowserClock*>(clock)->catch_up(); }, kTickMs, this);
}

void BrowserClock::stop() {
  if (interval_ == 0) return;
  emscripten_clear_interval(interval_);
  interval_ = 0;
}

void BrowserClock::catch_up() {
  // A timer's handler that pumps the message loop does not start another round.
  if (interval_ == 0 || catching_up_) return;
  catching_up_ = true;
  const auto now = static_cast<std::int64_t>(emscripten_get_now() - origin_ms_);
  const std::int64_t behind = now - app_.timers().now();
  if (behind > 0) app_.advance_time(behind);
  catching_up_ = false;
}

}  // namespace tesvik::web
