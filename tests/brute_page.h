#pragma once
// The harness of the brute-force page tests, for any number of places: every
// ordered pick with the facts that a plain reading of a condition asks for,
// the failing predicates of a row's set conditions, and one run of a page
// set up from a row, compared pick by pick with what the predicates keep.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/pages/mode_table.h"
#include "app/pages/page_tables.h"
#include "plain_rules.h"
#include "recording_port.h"

namespace tesvik::plain {

template <int K>
struct Pick {
  std::array<int, K> n{};
  std::array<std::string, K> t;  // two-digit texts
  std::string s;                 // shorthand digits of the places, "0" for 10
  std::array<int, 11> has{};     // has[v] = 1 when the pick holds v
  std::array<int, K> sorted{};   // the numbers in ascending order
  std::string presence;          // "1" or "0" for each of 01..10
  std::string line;
};

// Every pick of K different numbers 1..10, in the program's pick order.
template <int K>
const std::vector<Pick<K>>& picks() {
  static const std::vector<Pick<K>> all = [] {
    std::vector<Pick<K>> out;
    std::array<int, K> n{};
    std::function<void(int)> place = [&](int k) {
      if (k == K) {
        Pick<K>& p = out.emplace_back();
        p.n = n;
        p.presence = "0000000000";
        for (std::size_t i = 0; i < K; ++i) {
          p.has[static_cast<std::size_t>(n[i])] = 1;
          p.t[i] = {static_cast<char>('0' + n[i] / 10), static_cast<char>('0' + n[i] % 10)};
          p.s += static_cast<char>('0' + n[i] % 10);
          p.line += (i ? " " : "") + p.t[i];
        }
        for (std::size_t v = 1, r = 0; v <= 10; ++v)
          if (p.has[v]) {
            p.presence[v - 1] = '1';
            p.sorted[r++] = static_cast<int>(v);
          }
        return;
      }
      for (int v = 1; v <= 10; ++v) {
        bool used = false;
        for (int j = 0; j < k; ++j) used = used || n[static_cast<std::size_t>(j)] == v;
        if (used) continue;
        n[static_cast<std::size_t>(k)] = v;
        place(k + 1);
      }
    };
    place(0);
    return out;
  }();
  return all;
}

template <int K>
struct Expected {
  using Fails = std::function<bool(const Pick<K>&)>;
  std::vector<Fails> conditions;  // the set conditions, each true for a pick that fails it
  Fails outside_base;             // empty when no base list is given
  std::map<int, std::string> boxes_after;
};

// Sets the page of `mode` up as the row says, presses "开始缩水" and compares
// the kept list with the picks that `e` keeps, and the boxes with their text
// after the run; a row may colour its keep buttons itself (`keep_colour`) and
// set further options (`more`).
template <int K, typename Row>
void expect_run_keeps(
    Mode mode, const Row& row, const Expected<K>& e,
    const std::function<Colour(int)>& keep_colour = [](int) { return kKeep; },
    const std::function<void(PanelState&)>& more = {}) {
  const ModeInfo& m = mode_info(mode);
  const int total_lower = page_table(mode).result.total_lower;
  testing::RecordingPort port;
  App app{port};
  app.start_without_window();
  PanelState& panel = app.panel();
  for (const auto& [k, text] : row.boxes) panel.txt_ip[static_cast<std::size_t>(k)] = text;
  for (int i : row.kills) panel.annv[static_cast<std::size_t>(i)].colour = kKill;
  for (int i : row.keeps) panel.annv_chu[static_cast<std::size_t>(i)].colour = keep_colour(i);
  if (more) more(panel);
  for (const auto& [k, text] : row.ranges) panel.rc[static_cast<std::size_t>(k)].text = text;
  panel.jg_rc[static_cast<std::size_t>(total_lower)].text = row.overall_lo;
  panel.jg_rc[static_cast<std::size_t>(total_lower + 1)].text = row.overall_hi;

  app.click({Ctl::C_jg_gn, m.first_function});

  const std::vector<std::string> want = expected_kept(row, e, picks<K>());
  const std::vector<std::string>& got = app.panel().list_jg[static_cast<std::size_t>(m.result_list)].rows;
  EXPECT_TRUE(got == want) << describe(got, want);
  for (const auto& [k, text] : e.boxes_after)
    EXPECT_EQ(app.panel().txt_ip[static_cast<std::size_t>(k)], text) << "T_nei_txt_ip " << k;
  EXPECT_EQ(port.events, std::vector<std::string>{});  // no failure message
}

}  // namespace tesvik::plain
