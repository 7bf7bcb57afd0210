#pragma once
// Fills the front-six page for the benchmarks: every condition at the size
// limits of its box with every button group set ("worst case"), or a dozen
// conditions of realistic size ("typical"). Deterministic.

#include <random>
#include <string>

#include "app/app.h"
#include "front6/universe_6x.h"
#include "page_fill.h"
#include "support/quiet_port.h"

namespace tesvik::bench {

// Every front-six pick as a pasted list, one pick line per line.
inline std::string pick_list_6x() {
  std::string text;
  for (int i = 1; i <= kPicks6; ++i) text += line_6x(i) + "\r\n";
  return text;
}

// `count` compound lines of six fields, each naming two to four shorthand digits.
inline std::string compound_lines_6x(std::mt19937& rng, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    for (int p = 0; p < 6; ++p) {
      if (p) text += '/';
      text += items(rng, 1, 2 + (i + p) % 3, "1234567890");
    }
    text += "\r\n";
  }
  return text;
}

inline void paste_6x(App& app, QuietPort& port, int gn, std::string text) {
  port.clipboard = std::move(text);
  app.click({Ctl::C_q6_gn, gn});
}

inline void range_6x(App& app, int rc, int lo, int hi) {
  app.selector_of({Ctl::rc_q6, rc})->choose(std::to_string(lo), std::to_string(hi));
}

// Appends a blank to every box a run reads, or takes it off again, so that
// every box is read anew.
inline void touch_boxes_6x(App& app) {
  for (TextBox& box : app.front6().state().boxes)
    box.edit([](std::string& text) {
      if (!text.empty() && text.back() == ' ') text.pop_back();
      else text += ' ';
    });
}

// The worst case with its two pick lists pasted by paste(button, text).
template <typename Paste>
void worst_front_six_with(App& app, Paste&& paste) {
  std::mt19937 rng(6);
  paste(10, pick_list_6x());
  paste(11, pick_list_6x());
  for (int k = 1; k <= 4; ++k) app.set_text({Ctl::T_q6, k}, items(rng, 99999, k + 1, "0123456789"));
  app.set_text({Ctl::T_q6, 5}, items(rng, 100000, 6, "0123456789***"));
  for (int k = 7; k <= 9; ++k) app.set_text({Ctl::T_q6, k}, items(rng, 1000, 6, "01"));
  app.set_text({Ctl::T_q6, 10}, items(rng, 1000, 6, "012"));
  app.set_text({Ctl::T_q6, 11}, compound_lines_6x(rng, 100));
  click_all(app, Ctl::C_q6, {3,   7,   12,  14,  18,  25,  33,  41,  52,  63,  74,  85,  96,  101, 102, 115, 127, 139,
                             143, 158, 162, 171, 176, 185, 190, 199, 210, 216, 221, 224, 225, 231, 233, 235, 237, 239});
  for (int rc = 1; rc <= 10; ++rc) range_6x(app, rc, 0, 6);
  range_6x(app, 0, 0, 3);
}

inline void worst_front_six(App& app, QuietPort& port) {
  worst_front_six_with(app, [&](int gn, std::string text) { paste_6x(app, port, gn, std::move(text)); });
}

inline void typical_front_six(App& app, QuietPort&) {
  std::mt19937 rng(66);
  app.set_text({Ctl::T_q6, 1}, items(rng, 20, 2, "0123456789"));
  app.set_text({Ctl::T_q6, 2}, items(rng, 10, 3, "0123456789"));
  app.set_text({Ctl::T_q6, 5}, items(rng, 20, 6, "0123456789*******"));
  app.set_text({Ctl::T_q6, 7}, "111000 000111");
  click_all(app, Ctl::C_q6, {10, 15, 16, 17, 45, 41, 62, 101, 102, 103, 211, 216, 238, 240});
  range_6x(app, 1, 0, 2);
  range_6x(app, 0, 0, 2);
}

}  // namespace tesvik::bench
