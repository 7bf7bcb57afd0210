// Conditions that only front three has: exact picks, the pair buttons, the
// compound list and the base list.

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

// Marks in `column` every pick that `named` (one byte per pick) says is named.
void mark_named(ConditionMatrix& m, int column, const std::vector<std::uint8_t>& named) {
  const auto col = m.column(column);
  for (std::size_t i = 1; i < named.size(); ++i)
    if (named[i]) col[i] = 1;
}

}  // namespace

void kill_exact_3x(ConditionInput& in, ConditionMatrix& m, int column) {
  // Commas count as blanks, and runs of blanks as one.
  std::string text;
  for (char c : in.boxes.at(0)->text()) {
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

void base_list_3x(ConditionInput& in, ConditionMatrix& m, int) {
  std::string text;
  const std::string_view trimmed = trim_blanks(in.boxes.at(0)->text());
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
  const auto verdict = m.verdict();
  for (std::size_t i = 1; i < named.size(); ++i)
    if (!named[i]) verdict[i] = 1;
}

}  // namespace tesvik
