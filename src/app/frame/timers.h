#pragma once
// The main window's timers on one clock. The window drives the clock from
// real time, the batch runner from virtual time; either way a timer fires
// every `interval` ms once armed, and setting an interval restarts it.

#include <array>
#include <cstdint>
#include <functional>

namespace tesvik {

enum class TimerId {
  Load,      // Timer_load: runs the start-up sequence once
  Shan,      // Timer_shan: the light sequence of the mode buttons
  Caiji,     // Timer_caiji: starts the network sequence once start-up is done
  YanseHy,   // Timer_yanse_hy: restores the advert colours after a hover
  Q6Viewer,  // the front-six result viewer's one-shot timer: its first draw after a run
};
inline constexpr int kTimerCount = 5;

class Timers {
 public:
  void set_interval(TimerId id, int ms);
  int interval(TimerId id) const { return slot(id).interval; }
  std::int64_t now() const { return now_; }
  // When the next armed timer is due; -1 when none is armed.
  std::int64_t next_due() const;
  // Lets ms pass; due timers fire in order of due time, ties in TimerId order.
  void advance(std::int64_t ms, const std::function<void(TimerId)>& fire);

 private:
  struct Slot {
    int interval = 0;
    std::int64_t due = 0;
  };
  Slot& slot(TimerId id) { return slots_[static_cast<std::size_t>(id)]; }
  const Slot& slot(TimerId id) const { return slots_[static_cast<std::size_t>(id)]; }
  std::array<Slot, kTimerCount> slots_{};
  std::int64_t now_ = 0;
};

}  // namespace tesvik
