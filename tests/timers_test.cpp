// The timer clock: due order, ties, re-arming from a handler, stopping.

#include <gtest/gtest.h>

#include <string>

#include "app/frame/timers.h"

namespace tesvik {
namespace {

std::string name(TimerId id) {
  switch (id) {
    case TimerId::Load: return "load";
    case TimerId::Shan: return "shan";
    case TimerId::Caiji: return "caiji";
    case TimerId::YanseHy: return "hover";
    case TimerId::Q6Viewer: return "viewer";
  }
  return "?";
}

TEST(Timers, FireInDueOrderWithTiesInTimerOrder) {
  Timers t;
  std::vector<std::string> fired;
  t.set_interval(TimerId::YanseHy, 100);
  t.set_interval(TimerId::Shan, 100);
  t.set_interval(TimerId::Load, 50);
  EXPECT_EQ(t.next_due(), 50);
  t.advance(250, [&](TimerId id) {
    fired.push_back(name(id) + "@" + std::to_string(t.now()));
    if (id == TimerId::Load) t.set_interval(TimerId::Load, 0);
  });
  EXPECT_EQ(fired, (std::vector<std::string>{"load@50", "shan@100", "hover@100", "shan@200", "hover@200"}));
  EXPECT_EQ(t.now(), 250);
  EXPECT_EQ(t.next_due(), 300);
}

TEST(Timers, SettingAnIntervalRestartsIt) {
  Timers t;
  int ticks = 0;
  t.set_interval(TimerId::YanseHy, 1000);
  t.advance(600, [&](TimerId) { ++ticks; });
  t.set_interval(TimerId::YanseHy, 1000);  // hovered again
  t.advance(999, [&](TimerId) { ++ticks; });
  EXPECT_EQ(ticks, 0);
  t.advance(1, [&](TimerId id) {
    ++ticks;
    t.set_interval(id, 0);
  });
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(t.next_due(), -1);
  t.advance(-5, [&](TimerId) { ++ticks; });  // time never runs backwards
  EXPECT_EQ(t.now(), 1600);
}

TEST(Timers, NestedWaitsLetTimeGoOnOnce) {
  Timers t;
  std::vector<std::int64_t> at;
  t.set_interval(TimerId::Shan, 100);
  t.set_interval(TimerId::Caiji, 150);
  t.advance(400, [&](TimerId id) {
    at.push_back(t.now());
    if (id == TimerId::Caiji) {
      t.set_interval(TimerId::Caiji, 0);
      t.advance(600, [&](TimerId) { at.push_back(t.now()); });  // a modal wait inside a tick
    }
  });
  EXPECT_EQ(at, (std::vector<std::int64_t>{100, 150, 200, 300, 400, 500, 600, 700}));
  EXPECT_EQ(t.now(), 750);
}

}  // namespace
}  // namespace tesvik
