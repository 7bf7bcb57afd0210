#pragma once
// Fills the front-four and front-five pages for the run benchmarks: every
// condition set at the size limits of its box ("full"), or a handful of
// conditions of realistic size ("typical"). Deterministic.

#include <random>
#include <string>

#include "app/app.h"
#include "model/number_text.h"
#include "model/universe.h"
#include "support/quiet_port.h"

namespace tesvik::bench {

// An App as the window leaves it after start-up, on a port that shows nothing.
struct QuietPage {
  QuietPort port;
  App app{port};
  QuietPage() { app.start_without_window(); }
};

// Every pick of a mode as a list, one pick line per line.
inline std::string pick_list(Mode mode) {
  const Universe& u = universe(mode);
  std::string text;
  for (int i = 1; i <= u.size; ++i) text += u.lines[static_cast<std::size_t>(i)] + "\r\n";
  return text;
}

// `count` blank-separated items of `length` characters drawn from `alphabet`.
inline std::string items(std::mt19937& rng, int count, int length, std::string_view alphabet) {
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i) text += ' ';
    for (int k = 0; k < length; ++k) text += alphabet[pick(rng)];
  }
  return text;
}

// `count` compound lines of `places` parts, each naming two or three numbers.
inline std::string compound_lines(std::mt19937& rng, int count, int places) {
  std::uniform_int_distribution<int> number(1, 10);
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i) text += "\r\n";
    for (int p = 0; p < places; ++p) {
      if (p) text += '/';
      for (int k = 0; k < 2 + (i + p) % 2; ++k) text += std::string(two_digit(number(rng))) + ".";
    }
  }
  return text;
}

inline void click_all(App& app, Ctl array, std::initializer_list<int> indices) {
  for (int i : indices) app.click({array, i});
}

inline void set_range(App& app, int lower, const char* lo, const char* hi) {
  app.set_text({Ctl::Comb_rc, lower}, lo);
  app.set_text({Ctl::Comb_rc, lower + 1}, hi);
}

inline void full_front_four(App& app) {
  std::mt19937 rng(4);
  app.set_text({Ctl::T_nei_txt_ip, 8}, pick_list(Mode::Four));
  app.set_text({Ctl::T_nei_txt_ip, 23}, pick_list(Mode::Four));
  app.set_text({Ctl::T_nei_txt_ip, 9}, items(rng, 100000, 2, "0123456789"));
  app.set_text({Ctl::T_nei_txt_ip, 10}, items(rng, 100000, 3, "0123456789"));
  for (int box = 12; box <= 17; ++box) app.set_text({Ctl::T_nei_txt_ip, box}, items(rng, 100, 2, "0123456789"));
  for (int box = 18; box <= 21; ++box) app.set_text({Ctl::T_nei_txt_ip, box}, items(rng, 100, 3, "0123456789"));
  app.set_text({Ctl::T_nei_txt_ip, 11}, compound_lines(rng, 100, 4));
  click_all(app, Ctl::C_annv, {203, 214, 221, 230, 246, 259, 270, 283, 285, 289, 292, 336, 352, 370, 390, 420});
  click_all(app, Ctl::C_annv_chu, {104, 105, 116, 120, 121, 133, 165, 171, 176, 180, 190, 200, 210});
  for (int lower = 16; lower <= 32; lower += 2) set_range(app, lower, "0", "6");
  app.set_text({Ctl::Comb_jg_rc, 3}, "20");
}

inline void typical_front_four(App& app) {
  std::mt19937 rng(44);
  click_all(app, Ctl::C_annv, {205, 213, 221, 222, 246, 257});
  click_all(app, Ctl::C_annv_chu, {104, 105, 106, 165, 166});
  app.set_text({Ctl::T_nei_txt_ip, 9}, items(rng, 20, 2, "0123456789"));
  app.set_text({Ctl::Comb_jg_rc, 3}, "1");
}

inline void full_front_five(App& app) {
  std::mt19937 rng(5);
  app.set_text({Ctl::T_nei_txt_ip, 24}, pick_list(Mode::Five));
  app.set_text({Ctl::T_nei_txt_ip, 34}, pick_list(Mode::Five));
  app.set_text({Ctl::T_nei_txt_ip, 25}, items(rng, 100000, 2, "0123456789"));
  app.set_text({Ctl::T_nei_txt_ip, 26}, items(rng, 100000, 3, "0123456789"));
  app.set_text({Ctl::T_nei_txt_ip, 27}, items(rng, 99999, 4, "0123456789"));
  app.set_text({Ctl::T_nei_txt_ip, 28}, items(rng, 1000, 5, "0123456789***"));
  for (int box = 29; box <= 31; ++box) app.set_text({Ctl::T_nei_txt_ip, box}, items(rng, 1001, 5, "01"));
  app.set_text({Ctl::T_nei_txt_ip, 32}, items(rng, 1001, 5, "012"));
  app.set_text({Ctl::T_nei_txt_ip, 33}, compound_lines(rng, 100, 5));
  click_all(app, Ctl::C_annv, {464, 475, 481, 500, 507, 519, 530, 541, 552, 556, 560, 563});
  click_all(app, Ctl::C_annv_chu, {213, 214, 226, 230, 231, 245, 294, 300, 307, 311, 312, 320, 321});
  for (int lower = 34; lower <= 50; lower += 2) set_range(app, lower, "0", "6");
  app.set_text({Ctl::Comb_jg_rc, 5}, "20");
}

// The full page with a kill list other than its base list: every third pick
// is killed, so that the two lists are read as two texts.
inline void full_front_five_two_lists(App& app) {
  full_front_five(app);
  const Universe& u = universe(Mode::Five);
  std::string killed;
  for (int i = 1; i <= u.size; i += 3) killed += u.lines[static_cast<std::size_t>(i)] + "\r\n";
  app.set_text({Ctl::T_nei_txt_ip, 24}, killed);
}

inline void typical_front_five(App& app) {
  std::mt19937 rng(55);
  click_all(app, Ctl::C_annv, {464, 474, 480, 481, 506, 517, 557});
  click_all(app, Ctl::C_annv_chu, {213, 214, 215, 294, 295});
  app.set_text({Ctl::T_nei_txt_ip, 25}, items(rng, 30, 2, "0123456789"));
  app.set_text({Ctl::T_nei_txt_ip, 28}, items(rng, 20, 5, "0123456789*****"));
  app.set_text({Ctl::Comb_jg_rc, 5}, "2");
}

}  // namespace tesvik::bench
