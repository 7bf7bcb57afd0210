// Conditions that only front three has: exact picks, the pair buttons, the
// compound list, the positional pair boxes and the base list.

#include <array>
#include <string>
#include <vector>

#include "filter/conditions.h"
#include "filter/pick_facts.h"
#include "filter/selection.h"
#include "filter/text_index.h"
#include "model/number_text.h"
#include "support/text.h"

namespace tesvik {

namespace {

using Fact = PickFact<3>;

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

// Counts the boxes in use that name (kill) or miss (keep) the pick's
// shorthand pair of their places: AB, AC, BC.
void position_pairs(ConditionInput& in, ConditionMatrix& m, int column, bool count_named) {
  struct PairBox {
    bool used = false;
    std::array<bool, 100> names{};  // names[10 * d1 + d2]: the digits d1 d2 stand together in the box
  };
  std::array<PairBox, 3> boxes;
  bool active = false;
  for (std::size_t b = 0; b < 3; ++b) {
    std::string& text = *in.boxes.at(b);
    text = clean_pair_box(text);
    boxes[b].used = text.size() > 1;
    active = active || boxes[b].used;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
      if (text[i] != ' ' && text[i + 1] != ' ')
        boxes[b].names[static_cast<std::size_t>((text[i] - '0') * 10 + (text[i + 1] - '0'))] = true;
  }
  if (!active) return;
  static constexpr std::array<std::array<std::size_t, 2>, 3> kPlaces = {{{0, 1}, {0, 2}, {1, 2}}};
  mark_outside<3>(m, column, in.range, [&](const Fact& f) {
    int c = 0;
    for (std::size_t b = 0; b < 3; ++b)
      if (boxes[b].used) c += boxes[b].names[10u * f.digit[kPlaces[b][0]] + f.digit[kPlaces[b][1]]] == count_named;
    return c;
  });
}

// Marks in `column` every pick that `named` (one byte per pick) says is named.
void mark_named(ConditionMatrix& m, int column, const std::vector<std::uint8_t>& named) {
  auto& col = m.column(column);
  for (std::size_t i = 1; i < named.size(); ++i)
    if (named[i]) col[i] = 1;
}

}  // namespace

void kill_exact_3x(ConditionInput& in, ConditionMatrix& m, int column) {
  // Commas count as blanks, and runs of blanks as one.
  std::string text;
  for (char c : *in.boxes.at(0)) {
    if (c == ',') c = ' ';
    if (!(c == ' ' && !text.empty() && text.back() == ' ')) text += c;
  }
  if (character_count(text) <= 5) return;
  mark_named(m, column, picks_named_in(text, 3, PickForm::Line));
}

void kill_pair_3x(ConditionInput& in, ConditionMatrix& m, int column) {
  const std::string list = in.dotted(0);
  if (character_count(list) <= 1) return;
  std::string joined;  // the captions without their line breaks: "0102."
  for (char c : list)
    if (c != '\r' && c != '\n') joined += c;
  // hit[a][b]: the ordered text of a then b occurs in the list.
  std::array<std::array<bool, 11>, 11> hit{};
  for (int a = 1; a <= 10; ++a)
    for (int b = 1; b <= 10; ++b)
      hit[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
          a != b && contains(joined, std::string(two_digit(a)) + std::string(two_digit(b)));
  mark_outside<3>(m, column, in.range, [&](const Fact& f) {
    int c = 0;
    for (std::size_t x = 0; x < 3; ++x)
      for (std::size_t y = 0; y < 3; ++y)
        if (x != y) c += hit[f.n[x]][f.n[y]];
    return c;
  });
}

void kill_compound_3x(ConditionInput& in, ConditionMatrix& m, int column) {
  if (!in.entries || in.entries->empty()) return;
  // Per entry and place: which numbers its part names.
  std::vector<std::array<std::array<bool, 11>, 3>> parts;
  parts.reserve(in.entries->size());
  for (const std::string& entry : *in.entries) {
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
  mark_outside<3>(m, column, in.range, [&](const Fact& f) {
    int c = 0;
    for (const auto& e : parts) c += e[0][f.n[0]] && e[1][f.n[1]] && e[2][f.n[2]];
    return c;
  });
}

void keep_position_pair_3x(ConditionInput& in, ConditionMatrix& m, int column) {
  position_pairs(in, m, column, false);
}

void kill_position_pair_3x(ConditionInput& in, ConditionMatrix& m, int column) {
  position_pairs(in, m, column, true);
}

void base_list_3x(ConditionInput& in, ConditionMatrix& m, int) {
  std::string text;
  const std::string_view trimmed = trim_blanks(*in.boxes.at(0));
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
  for (std::size_t i = 1; i < named.size(); ++i)
    if (!named[i]) verdict[i] = 1;
}

}  // namespace tesvik
