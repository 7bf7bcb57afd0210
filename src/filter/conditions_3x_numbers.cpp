// Front-three conditions on numbers: exact picks, pairs, numbers, span,
// sum, positions, dan groups and compound picks (columns 1..8).

#include <array>

#include "app/panel_state.h"
#include "filter/conditions_3x.h"
#include "filter/pick_facts_3x.h"
#include "filter/selection.h"
#include "filter/text_index.h"
#include "filter/tolerance.h"
#include "model/number_text.h"
#include "support/text.h"

namespace tesvik {

namespace {

}  // namespace

void kill_exact_3x(FilterContext& ctx, ConditionMatrix& m) {
  // Commas count as blanks, and runs of blanks as one.
  std::string text;
  for (char c : ctx.panel.txt_ip[0]) {
    if (c == ',') c = ' ';
    if (!(c == ' ' && !text.empty() && text.back() == ' ')) text += c;
  }
  if (character_count(text) <= 5) return;
  const auto named = picks_named_in(text, 3, PickForm::Line);
  auto& col = m.column(1);
  for (int i = 1; i <= kPicks3x; ++i)
    if (named[static_cast<std::size_t>(i)]) col[static_cast<std::size_t>(i)] = 1;
}

void kill_pair_3x(FilterContext& ctx, ConditionMatrix& m) {
  std::string list = dotted_list(ctx.panel.annv, 0, 44);
  if (character_count(list) <= 1) return;
  std::string joined;
  for (char c : list)
    if (c != '\r' && c != '\n') joined += c;
  // hit[a][b]: the ordered text of a then b occurs in the list.
  std::array<std::array<bool, 11>, 11> hit{};
  for (int a = 1; a <= 10; ++a)
    for (int b = 1; b <= 10; ++b)
      hit[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
          a != b && contains(joined, std::string(two_digit(a)) + std::string(two_digit(b)));
  const ToleranceRange range = condition_range(ctx.panel, 0);
  mark_outside_3x(m, 2, range, [&](const PickFacts3x& f) {
    int c = 0;
    for (int x = 0; x < 3; ++x)
      for (int y = 0; y < 3; ++y)
        if (x != y) c += hit[f.n[static_cast<std::size_t>(x)]][f.n[static_cast<std::size_t>(y)]];
    return c;
  });
}

void kill_number_3x(FilterContext& ctx, ConditionMatrix& m) {
  const std::string list = dotted_list(ctx.panel.annv, 45, 54);
  if (character_count(list) <= 1) return;
  const auto hit = number_hits(list);
  mark_each_3x(m, 3, [&](const PickFacts3x& f) { return hit[f.n[0]] || hit[f.n[1]] || hit[f.n[2]]; });
}

void kill_span_3x(FilterContext& ctx, ConditionMatrix& m) {
  const std::string list = dotted_list(ctx.panel.annv, 55, 62);
  if (character_count(list) <= 1) return;
  const auto hit = digit_hits(list);
  mark_each_3x(m, 4, [&](const PickFacts3x& f) { return hit[f.span]; });
}

void kill_sum_3x(FilterContext& ctx, ConditionMatrix& m) {
  std::string list;
  for (int i = 63; i <= 84; ++i) {
    const Button& b = ctx.panel.annv[static_cast<std::size_t>(i)];
    if (!b.selected()) continue;
    const std::string padded = "0" + b.caption;
    list += padded.substr(padded.size() >= 2 ? padded.size() - 2 : 0) + ".";
  }
  if (character_count(list) <= 1) return;
  std::array<bool, 28> hit{};
  for (int s = 6; s <= 27; ++s) {
    const std::string text = s < 10 ? "0" + std::to_string(s) : std::to_string(s);
    hit[static_cast<std::size_t>(s)] = contains(list, text);
  }
  mark_each_3x(m, 5, [&](const PickFacts3x& f) { return hit[f.sum]; });
}

void kill_position_3x(FilterContext& ctx, ConditionMatrix& m) {
  std::array<std::string, 3> lists;
  std::size_t total = 0;
  for (int p = 0; p < 3; ++p) {
    lists[static_cast<std::size_t>(p)] = dotted_list(ctx.panel.annv, 85 + 10 * p, 94 + 10 * p);
    total += character_count(lists[static_cast<std::size_t>(p)]);
  }
  if (total <= 1) return;
  std::array<std::array<bool, 11>, 3> hit{};
  for (std::size_t p = 0; p < 3; ++p)
    if (character_count(lists[p]) > 2) hit[p] = number_hits(lists[p]);
  mark_outside_3x(m, 6, condition_range(ctx.panel, 2),
               [&](const PickFacts3x& f) { return hit[0][f.n[0]] + hit[1][f.n[1]] + hit[2][f.n[2]]; });
}

void sure_groups_3x(FilterContext& ctx, ConditionMatrix& m) {
  struct Row {
    bool used;
    std::array<bool, 11> number;
    std::array<bool, 10> count_ok;
  };
  std::array<Row, 4> rows{};
  std::size_t total = 0;
  for (std::size_t r = 0; r < 4; ++r) {
    const int first = 14 * static_cast<int>(r);
    const std::string numbers = dotted_list(ctx.panel.annv_chu, first, first + 9);
    std::string counts = dotted_list(ctx.panel.annv_chu, first + 10, first + 13);
    if (counts.empty()) counts = "123";
    total += character_count(numbers);
    rows[r].used = character_count(numbers) > 2;
    rows[r].number = number_hits(numbers);
    rows[r].count_ok = digit_hits(counts);
  }
  if (total <= 1) return;
  mark_outside_3x(m, 7, condition_range(ctx.panel, 4), [&](const PickFacts3x& f) {
    int c = 0;
    for (const Row& row : rows) {
      if (!row.used) continue;
      const int h = row.number[f.n[0]] + row.number[f.n[1]] + row.number[f.n[2]];
      c += !row.count_ok[static_cast<std::size_t>(h)];
    }
    return c;
  });
}

void kill_compound_3x(FilterContext& ctx, ConditionMatrix& m) {
  const auto& entries = ctx.panel.list_nei.rows;
  if (entries.empty()) return;
  // Per entry and place: which numbers its part names.
  std::vector<std::array<std::array<bool, 11>, 3>> parts;
  parts.reserve(entries.size());
  for (const std::string& entry : entries) {
    std::array<std::array<bool, 11>, 3> e{};
    std::size_t start = 0;
    for (std::size_t p = 0; p < 3 && start != std::string::npos; ++p) {
      const std::size_t slash = entry.find('/', start);
      const std::string_view part =
          std::string_view(entry).substr(start, slash == std::string::npos ? std::string::npos : slash - start);
      e[p] = number_hits(part);
      start = slash == std::string::npos ? std::string::npos : slash + 1;
    }
    parts.push_back(e);
  }
  mark_outside_3x(m, 8, condition_range(ctx.panel, 6), [&](const PickFacts3x& f) {
    int c = 0;
    for (const auto& e : parts) c += e[0][f.n[0]] && e[1][f.n[1]] && e[2][f.n[2]];
    return c;
  });
}

}  // namespace tesvik
