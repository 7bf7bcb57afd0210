// Front-three conditions on shorthand pairs, forms, counts, differences,
// sums, smallest and largest number, shapes (columns 9..16) and the base list.

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

// A positional pair box cleaned as the condition reads it: characters other
// than digits and blanks become blanks, each double blank is replaced by one
// blank in a single pass, and the text is trimmed.
std::string clean_pair_box(std::string_view text) {
  std::string blanked;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view ch = character_at(text, i);
    i += ch.size();
    const char c = ch[0];
    blanked += ch.size() == 1 && ((c >= '0' && c <= '9') || c == ' ') ? c : ' ';
  }
  std::string once;
  for (std::size_t i = 0; i < blanked.size(); ++i) {
    once += blanked[i];
    if (blanked[i] == ' ' && i + 1 < blanked.size() && blanked[i + 1] == ' ') ++i;
  }
  return std::string(trim_blanks(once));
}

// The three shorthand pairs of a pick: AB, AC, BC as two-digit values d1*10+d2.
std::array<int, 3> shorthand_pairs(const PickFacts3x& f) {
  auto d = [&](int p) { return shorthand_digit(f.n[static_cast<std::size_t>(p)]) - '0'; };
  return {d(0) * 10 + d(1), d(0) * 10 + d(2), d(1) * 10 + d(2)};
}

struct PairBox {
  bool used = false;
  std::array<bool, 100> names{};  // names[v]: the two digits of v occur together in the box
};

// Cleans boxes first..first+2, writes them back and reads which pairs each names.
std::array<PairBox, 3> read_pair_boxes(PanelState& panel, int first, bool& active) {
  std::array<PairBox, 3> boxes;
  active = false;
  for (std::size_t b = 0; b < 3; ++b) {
    std::string& text = panel.txt_ip.at(static_cast<std::size_t>(first) + b);
    text = clean_pair_box(text);
    boxes[b].used = text.size() > 1;
    active = active || boxes[b].used;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
      if (text[i] != ' ' && text[i + 1] != ' ')
        boxes[b].names[static_cast<std::size_t>((text[i] - '0') * 10 + (text[i + 1] - '0'))] = true;
  }
  return boxes;
}

// Counts the boxes in use that name (kill) or miss (keep) the pick's pairs.
void position_pairs(FilterContext& ctx, ConditionMatrix& m, int first_box, int column, int range, bool count_named) {
  bool active = false;
  const auto boxes = read_pair_boxes(ctx.panel, first_box, active);
  if (!active) return;
  mark_outside_3x(m, column, condition_range(ctx.panel, range), [&](const PickFacts3x& f) {
    const auto pairs = shorthand_pairs(f);
    int c = 0;
    for (std::size_t b = 0; b < 3; ++b)
      if (boxes[b].used) c += boxes[b].names[static_cast<std::size_t>(pairs[b])] == count_named;
    return c;
  });
}

// "任意两码差" and "任意两码合": a hit when the last digit of the difference
// (or sum) of any two places is selected; keep mode removes picks without a
// hit, exclude mode picks with one.
template <typename Digit>
void pair_digits(FilterContext& ctx, ConditionMatrix& m, int first, int exclude_option, int column, Digit&& digit) {
  const std::string list = dotted_list(ctx.panel.annv_chu, first, first + 9);
  if (list.empty()) return;
  const auto hit = digit_hits(list);
  const bool exclude = ctx.panel.n_xuan_1.at(static_cast<std::size_t>(exclude_option)).selected();
  mark_each_3x(m, column, [&](const PickFacts3x& f) {
    const int a = f.n[0], b = f.n[1], c = f.n[2];
    const bool any = hit[static_cast<std::size_t>(digit(a, b))] || hit[static_cast<std::size_t>(digit(a, c))] ||
                     hit[static_cast<std::size_t>(digit(b, c))];
    return any == exclude;
  });
}

}  // namespace

void keep_position_pair_3x(FilterContext& ctx, ConditionMatrix& m) { position_pairs(ctx, m, 1, 9, 8, false); }

void kill_position_pair_3x(FilterContext& ctx, ConditionMatrix& m) { position_pairs(ctx, m, 4, 10, 10, true); }

void kill_form_3x(FilterContext& ctx, ConditionMatrix& m) {
  static constexpr int kFirst[kForms3x] = {145, 153, 161, 169};
  static constexpr int kLast[kForms3x] = {152, 160, 168, 195};
  std::array<std::vector<bool>, kForms3x> hit;
  std::size_t total = 0;
  for (int form = 0; form < kForms3x; ++form) {
    const std::string list = dotted_list(ctx.panel.annv, kFirst[form], kLast[form]);
    total += character_count(list);
    const auto& texts = pattern_texts_3x(Form3x(form));
    hit[static_cast<std::size_t>(form)].assign(texts.size(), false);
    if (character_count(list) > 2)
      for (std::size_t t = 0; t < texts.size(); ++t) hit[static_cast<std::size_t>(form)][t] = contains(list, texts[t]);
  }
  if (total <= 1) return;
  mark_outside_3x(m, 11, condition_range(ctx.panel, 12), [&](const PickFacts3x& f) {
    int c = 0;
    for (std::size_t form = 0; form < kForms3x; ++form) c += hit[form][f.pattern[form]];
    return c;
  });
}

void keep_count_3x(FilterContext& ctx, ConditionMatrix& m) {
  // Odd, big and prime numbers, counted by the three rows in that order.
  static constexpr std::array<std::array<bool, 11>, 3> kSets = {{
      {false, true, false, true, false, true, false, true, false, true, false},
      {false, false, false, false, false, false, true, true, true, true, true},
      {false, true, true, true, false, true, false, true, false, false, false},
  }};
  struct Row {
    bool used;
    std::array<bool, 10> ok;
  };
  std::array<Row, 3> rows{};
  std::size_t total = 0;
  for (std::size_t r = 0; r < 3; ++r) {
    const int first = 56 + 4 * static_cast<int>(r);
    const std::string list = dotted_list(ctx.panel.annv_chu, first, first + 3);
    total += list.size();
    rows[r].used = character_count(list) > 1;
    rows[r].ok = digit_hits(list);
  }
  if (total == 0) return;
  mark_outside_3x(m, 12, condition_range(ctx.panel, 14), [&](const PickFacts3x& f) {
    int c = 0;
    for (std::size_t r = 0; r < 3; ++r) {
      if (!rows[r].used) continue;
      const int h = kSets[r][f.n[0]] + kSets[r][f.n[1]] + kSets[r][f.n[2]];
      c += !rows[r].ok[static_cast<std::size_t>(h)];
    }
    return c;
  });
}

void pair_difference_3x(FilterContext& ctx, ConditionMatrix& m) {
  pair_digits(ctx, m, 68, 1, 13, [](int a, int b) { return (a > b ? a - b : b - a) % 10; });
}

void pair_sum_tail_3x(FilterContext& ctx, ConditionMatrix& m) {
  pair_digits(ctx, m, 78, 3, 14, [](int a, int b) { return (a + b) % 10; });
}

void min_max_3x(FilterContext& ctx, ConditionMatrix& m) {
  const std::string smallest = dotted_list(ctx.panel.annv_chu, 88, 95);
  const std::string largest = dotted_list(ctx.panel.annv_chu, 96, 103);
  if (smallest.empty() && largest.empty()) return;
  const bool check_small = character_count(smallest) > 1, check_large = character_count(largest) > 1;
  const auto small_ok = number_hits(smallest), large_ok = number_hits(largest);
  mark_each_3x(m, 15, [&](const PickFacts3x& f) {
    return (check_small && !small_ok[f.smallest]) || (check_large && !large_ok[f.largest]);
  });
}

void special_shape_3x(FilterContext& ctx, ConditionMatrix& m) {
  const std::string list = dotted_list(ctx.panel.annv, 196, 202);
  if (character_count(list) <= 1) return;
  // hit tables per class; a group whose key is absent never hits.
  auto hits = [&](std::string_view key, const std::array<std::string_view, 3>& texts) {
    std::array<bool, 3> h{};
    if (contains(list, key))
      for (std::size_t t = 0; t < 3; ++t) h[t] = contains(list, texts[t]);
    return h;
  };
  const auto run = hits("连", run_class_texts_3x());
  const auto slope = hits("山", slope_texts_3x());
  const auto shape = hits("型", shape_texts_3x());
  mark_each_3x(m, 16, [&](const PickFacts3x& f) { return run[f.run_class] || slope[f.slope] || shape[f.shape]; });
}

void base_list_3x(FilterContext& ctx, ConditionMatrix& m) {
  std::string text;
  const std::string_view trimmed = trim_blanks(ctx.panel.txt_ip[7]);
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    if (trimmed[i] == ',' || trimmed[i] == ' ') continue;
    if (trimmed.substr(i).starts_with("，")) {
      i += std::string_view("，").size() - 1;
      continue;
    }
    text += trimmed[i];
  }
  // Activity is judged with line breaks read as blanks.
  std::string flat;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    flat += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
  }
  if (character_count(trim_blanks(flat)) < 6) return;
  const auto named = picks_named_in(text, 3, PickForm::Compact);
  auto& verdict = m.verdict();
  for (int i = 1; i <= kPicks3x; ++i)
    if (!named[static_cast<std::size_t>(i)]) verdict[static_cast<std::size_t>(i)] = 1;
}

}  // namespace tesvik
