#include "app/frame/timers.h"

#include <algorithm>

namespace tesvik {

void Timers::set_interval(TimerId id, int ms) {
  Slot& s = slot(id);
  s.interval = std::max(ms, 0);
  s.due = now_ + s.interval;
}

std::int64_t Timers::next_due() const {
  std::int64_t due = -1;
  for (const Slot& s : slots_)
    if (s.interval > 0 && (due < 0 || s.due < due)) due = s.due;
  return due;
}

void Timers::advance(std::int64_t ms, const std::function<void(TimerId)>& fire) {
  const std::int64_t target = now_ + std::max<std::int64_t>(ms, 0);
  for (;;) {
    int next = -1;
    for (int i = 0; i < kTimerCount; ++i) {
      const Slot& s = slots_[static_cast<std::size_t>(i)];
      if (s.interval > 0 && s.due <= target && (next < 0 || s.due < slots_[static_cast<std::size_t>(next)].due))
        next = i;
    }
    if (next < 0) break;
    Slot& s = slots_[static_cast<std::size_t>(next)];
    now_ = std::max(now_, s.due);
    s.due += s.interval;  // the handler may re-arm or stop it
    fire(static_cast<TimerId>(next));
  }
  now_ = std::max(now_, target);
}

}  // namespace tesvik
