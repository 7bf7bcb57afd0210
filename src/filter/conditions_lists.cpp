// Conditions on the text boxes of front four and five.

#include "filter/conditions_lists.h"

#include <array>
#include <bitset>
#include <bit>
#include <cmath>
#include <optional>

#include "filter/box_text.h"
#include "filter/pick_facts.h"
#include "filter/selection.h"
#include "model/number_text.h"
#include "model/universe.h"
#include "support/text.h"

namespace tesvik {

namespace {

constexpr std::string_view kDigits = "0123456789";

// The picks named by a list text, one byte per pick index; nullopt when the
// text is too short to count as given. A line of exactly `places` numbers
// names the pick of those numbers (a part of value 0 is taken as 10); a line
// with a part that is no whole number from 0 to 10 names none.
std::optional<std::vector<std::uint8_t>> listed_picks(std::string_view box, int places, std::size_t longer_than) {
  std::string text;
  for (char c : box) {
    if (c == ',') c = ' ';
    if (!(c == ' ' && !text.empty() && text.back() == ' ')) text += c;
  }
  if (character_count(text) <= longer_than) return std::nullopt;
  const Universe& u = universe(places);
  std::vector<std::uint8_t> named(static_cast<std::size_t>(u.size) + 1, 0);
  for (std::string_view line : lines_of(text)) {
    line = trim_blanks(line);
    int numbers[kMaxPlaces];
    int parts = 0;
    bool usable = true;
    std::size_t start = 0;
    while (start <= line.size()) {
      std::size_t end = line.find(' ', start);
      if (end == std::string_view::npos) end = line.size();
      const double v = leading_number(line.substr(start, end - start));
      usable = usable && v >= 0 && v <= 10 && v == std::floor(v);
      if (usable && parts < places) numbers[parts] = v == 0 ? 10 : static_cast<int>(v);
      ++parts;
      start = end + 1;
    }
    if (usable && parts == places)
      if (const int pick = u.pick_of_numbers(numbers)) named[static_cast<std::size_t>(pick)] = 1;
  }
  return named;
}

// Shorthand digits written out as two-digit numbers: "12" gives "0102", "0" gives "10".
std::string expand_shorthand(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c >= '0' && c <= '9') out += two_digit(number_of_digit(c));
    else out += c;
  }
  return out;
}

// The places a box label names by its letters: "A*C*" gives places 0 and 2.
std::vector<std::size_t> label_places(std::string_view label) {
  std::vector<std::size_t> places;
  for (char c : label)
    if (c >= 'A' && c <= 'E') places.push_back(static_cast<std::size_t>(c - 'A'));
  return places;
}

}  // namespace

template <int P, CombinationRule R>
void kill_combination(ConditionInput& in, ConditionMatrix& m, int column) {
  std::string& box = *in.boxes.at(0);
  box = clean_box(box, kDigits);
  if (character_count(box) <= static_cast<std::size_t>(R.length - 1)) return;
  const auto items = items_of_length(box, static_cast<std::size_t>(R.length), static_cast<std::size_t>(R.cap));
  if (R.needs_items && items.empty()) return;
  // hits[mask]: the items whose digits all lie in mask; a pick looks up its
  // own digits, whatever the number of items.
  std::vector<std::int32_t> hits(1u << 10, 0);
  for (std::string_view item : items) {
    unsigned mask = 0;
    for (char c : item) mask |= 1u << (c - '0');
    if (!R.as_sets) ++hits[mask];
    else if (std::popcount(mask) == R.length) hits[mask] = 1;
  }
  for (unsigned bit = 1; bit < (1u << 10); bit <<= 1)
    for (unsigned mask = 0; mask < (1u << 10); ++mask)
      if (mask & bit) hits[mask] += hits[mask ^ bit];
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) { return hits[f.digit_mask]; });
}

template <int P, int LongerThan>
void kill_exact_list(ConditionInput& in, ConditionMatrix& m, int column) {
  const auto named = listed_picks(*in.boxes.at(0), P, LongerThan);
  if (!named) return;
  auto& col = m.column(column);
  for (std::size_t i = 1; i < named->size(); ++i)
    if ((*named)[i]) col[i] = 1;
}

template <int P, int LongerThan>
void base_list(ConditionInput& in, ConditionMatrix& m, int) {
  const auto named = listed_picks(*in.boxes.at(0), P, LongerThan);
  if (!named) return;
  auto& verdict = m.verdict();
  for (std::size_t i = 1; i < named->size(); ++i)
    if (!(*named)[i]) verdict[i] = 1;
}

template <int P, bool NeedsEntries>
void kill_junk_compound(ConditionInput& in, ConditionMatrix& m, int column) {
  constexpr std::size_t kMaxEntries = 100;
  std::string& box = *in.boxes.at(0);
  box = clean_box(box, "0123456789./\r\n");
  if (box.empty()) return;
  // named[p][n]: the entries whose part for place p names number n.
  std::array<std::array<std::bitset<kMaxEntries>, 11>, P> named{};
  std::size_t entries = 0;
  for (std::string_view line : lines_of(box)) {
    if (entries == kMaxEntries) break;
    std::array<std::string_view, P> parts;
    std::size_t count = 0, start = 0;
    while (start <= line.size()) {
      std::size_t end = line.find('/', start);
      if (end == std::string_view::npos) end = line.size();
      if (count < P) parts[count] = line.substr(start, end - start);
      ++count;
      start = end + 1;
    }
    if (count < P) continue;
    for (std::size_t p = 0; p < P; ++p) {
      const auto hit = number_hits(parts[p]);
      for (std::size_t n = 1; n <= 10; ++n) named[p][n][entries] = hit[n];
    }
    ++entries;
  }
  if (NeedsEntries && entries == 0) return;
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) {
    std::bitset<kMaxEntries> all = named[0][f.n[0]];
    for (std::size_t p = 1; p < P; ++p) all &= named[p][f.n[p]];
    return static_cast<int>(all.count());
  });
}

template <int P, bool CountNamed>
void position_boxes(ConditionInput& in, ConditionMatrix& m, int column) {
  struct Box {
    std::vector<std::size_t> places;
    std::vector<std::uint8_t> names;  // by the places' numbers, base 11
  };
  std::vector<Box> boxes;
  for (std::size_t b = 0; b < in.boxes.size(); ++b) {
    std::string& text = *in.boxes[b];
    text = clean_box(text, kDigits);
    const std::string expanded = expand_shorthand(text);
    Box box{label_places(in.box_labels.at(b)), {}};
    if (expanded.size() <= 2 * box.places.size() - 1) continue;
    std::size_t size = 1;
    for (std::size_t k = 0; k < box.places.size(); ++k) size *= 11;
    box.names.assign(size, 0);
    for (std::size_t key = 0; key < size; ++key) {
      std::string joined;
      bool numbers = true;
      for (std::size_t rest = key, k = 0; k < box.places.size(); ++k, rest /= 11) {
        numbers = numbers && rest % 11 != 0;
        joined.insert(0, two_digit(static_cast<int>(rest % 11)));
      }
      box.names[key] = numbers && contains(expanded, joined);
    }
    boxes.push_back(std::move(box));
  }
  if (boxes.empty()) return;
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) {
    int c = 0;
    for (const Box& box : boxes) {
      std::size_t key = 0;
      for (std::size_t place : box.places) key = 11 * key + f.n[place];
      c += (box.names[key] != 0) == CountNamed;
    }
    return c;
  });
}

template void kill_combination<4, kPairs4x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<4, kTriples4x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<5, kPairs5x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<5, kTriples5x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<5, kQuads5x>(ConditionInput&, ConditionMatrix&, int);
template void kill_exact_list<4, 7>(ConditionInput&, ConditionMatrix&, int);
template void kill_exact_list<5, 12>(ConditionInput&, ConditionMatrix&, int);
template void base_list<4, 7>(ConditionInput&, ConditionMatrix&, int);
template void base_list<5, 12>(ConditionInput&, ConditionMatrix&, int);
template void kill_junk_compound<4, false>(ConditionInput&, ConditionMatrix&, int);
template void kill_junk_compound<5, true>(ConditionInput&, ConditionMatrix&, int);
template void position_boxes<3, false>(ConditionInput&, ConditionMatrix&, int);
template void position_boxes<3, true>(ConditionInput&, ConditionMatrix&, int);
template void position_boxes<4, true>(ConditionInput&, ConditionMatrix&, int);

}  // namespace tesvik
