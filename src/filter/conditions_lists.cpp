// Conditions on the text boxes of front four and five.

#include "filter/conditions_lists.h"

#include <array>
#include <cmath>
#include <optional>

#include "filter/box_reading.h"
#include "filter/box_text.h"
#include "filter/compound_lines.h"
#include "filter/pick_facts.h"
#include "filter/selection.h"
#include "model/number_text.h"
#include "model/universe.h"
#include "support/text.h"

namespace tesvik {

namespace {

constexpr std::string_view kDigits = "0123456789";

// The bit of each digit in a mask of digits ('0' is bit 0), by byte.
constexpr std::array<std::uint16_t, 256> kDigitBits = [] {
  std::array<std::uint16_t, 256> bits{};
  for (int d = 0; d < 10; ++d) bits['0' + d] = static_cast<std::uint16_t>(1u << d);
  return bits;
}();

// The number a part of a list line names: its value, where 0 is taken as
// 10; 0 when the value is no whole number from 0 to 10.
int list_number(std::string_view part) {
  if (part.size() == 2 && part[0] >= '0' && part[0] <= '1' && part[1] >= '0' && part[1] <= '9') {
    const int v = 10 * (part[0] - '0') + (part[1] - '0');  // the common "01".."10"
    return v == 0 ? 10 : v <= 10 ? v : 0;
  }
  const double v = leading_number(part);
  if (!(v >= 0 && v <= 10 && v == std::floor(v))) return 0;
  return v == 0 ? 10 : static_cast<int>(v);
}

// The picks named by a list text, one byte per pick index; nullopt when the
// text is too short to count as given: commas read as blanks and blank runs
// as one, it must have more than `longer_than` characters. A line of exactly
// `places` numbers names the pick of those numbers (a part of value 0 is
// taken as 10); a line with a part that is no whole number from 0 to 10
// names none.
std::optional<std::vector<std::uint8_t>> listed_picks(std::string_view text, int places, std::size_t longer_than) {
  if (text.size() <= longer_than) return std::nullopt;  // never more characters than bytes
  const Universe& u = universe(places);
  std::vector<std::uint8_t> named(static_cast<std::size_t>(u.size) + 1, 0);
  // One pass over the text as typed: lines end at CR LF, parts at blanks
  // and commas, and the empty parts between two of them are skipped, which
  // reads blank runs as one. The characters are counted as they pass, a
  // blank after a blank not at all.
  std::size_t characters = 0;
  bool after_blank = false;
  int numbers[kMaxPlaces];
  int parts = 0;
  bool usable = true;
  std::size_t start = 0;
  const auto end_part = [&](std::size_t end) {
    if (end == start) return;  // between two blanks, or a blank at the start or end of a line
    const int n = list_number(text.substr(start, end - start));
    usable = usable && n != 0 && parts < places;
    if (usable) numbers[parts] = n;
    ++parts;
  };
  const auto end_line = [&] {
    if (usable && parts == places)
      if (const int pick = u.pick_of_numbers(numbers)) named[static_cast<std::size_t>(pick)] = 1;
    parts = 0;
    usable = true;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool blank = c == ' ' || c == ',';
    characters +=
        (static_cast<unsigned char>(c) & 0xC0) != 0x80 && !(blank && after_blank);  // no UTF-8 continuation byte
    after_blank = blank;
    if (blank) {
      end_part(i);
      start = i + 1;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      end_part(i);
      end_line();
      characters += 1;  // the LF
      after_blank = false;
      start = ++i + 1;
    }
  }
  end_part(text.size());
  end_line();
  if (characters <= longer_than) return std::nullopt;
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

// Adds a junk compound line "01.03./02./..": one part per place; a line of
// fewer parts is none, and lines past the last one taken are dropped.
template <int P>
void add_junk_line(CompoundLines<P>& lines, std::string_view line) {
  if (lines.full()) return;
  std::array<std::string_view, P> parts;
  std::size_t count = 0, start = 0;
  while (start <= line.size()) {
    std::size_t end = line.find('/', start);
    if (end == std::string_view::npos) end = line.size();
    if (count < P) parts[count] = line.substr(start, end - start);
    ++count;
    start = end + 1;
  }
  if (count < P) return;
  std::array<std::array<bool, 11>, P> hits;
  for (std::size_t p = 0; p < P; ++p) hits[p] = number_hits(parts[p]);
  lines.add([&](std::size_t p, std::size_t n) { return hits[p][n]; });
}

// The names of a positional box: names[key] = 1 for the numbers of its k
// places (key in base 11) that a window of the text names; empty when the
// text, written out, is too short to count.
std::vector<std::uint8_t> position_names(std::string_view text, std::size_t k) {
  const std::string expanded = expand_shorthand(text);
  if (expanded.size() <= 2 * k - 1) return {};
  // Every window of the text that reads as k two-digit numbers names them.
  std::size_t size = 1;
  for (std::size_t j = 0; j < k; ++j) size *= 11;
  std::vector<std::uint8_t> names(size, 0);
  for (std::size_t at = 0; at + 2 * k <= expanded.size(); ++at) {
    std::size_t key = 0;
    bool numbers = true;
    for (std::size_t j = 0; j < k && numbers; ++j) {
      const int n = two_digit_number(expanded.data() + at + 2 * j);
      numbers = n != 0;
      key = 11 * key + static_cast<std::size_t>(n);
    }
    if (numbers) names[key] = 1;
  }
  return names;
}

}  // namespace

template <int P, CombinationRule R>
void kill_combination(ConditionInput& in, ConditionMatrix& m, int column) {
  // hits[mask]: the items whose digits all lie in mask, so that a pick looks
  // up its own digits whatever the number of items; empty when the box
  // makes no pass.
  const auto& hits = read_clean_items(in, 0, kDigits, [](const CleanItems& box) {
    std::vector<std::int32_t> table;
    if (box.shorter_than(static_cast<std::size_t>(R.length))) return table;
    table.assign(1u << 10, 0);
    const std::size_t taken =
        box.for_each(static_cast<std::size_t>(R.length), static_cast<std::size_t>(R.cap), [&](std::string_view item) {
          // The bits of the digits summed equal their union exactly when no digit repeats.
          unsigned mask = 0, sum = 0;
          for (char c : item) {
            const unsigned bit = kDigitBits[static_cast<unsigned char>(c)];
            mask |= bit;
            sum += bit;
          }
          if (!R.as_sets) ++table[mask];
          else table[mask] |= sum == mask;  // without a branch: repeats come unpredictably
        });
    if (R.needs_items && taken == 0) return std::vector<std::int32_t>{};
    for (unsigned bit = 1; bit < (1u << 10); bit <<= 1)
      for (unsigned mask = 0; mask < (1u << 10); ++mask)
        if (mask & bit) table[mask] += table[mask ^ bit];
    return table;
  });
  if (hits.empty()) return;
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) { return hits[f.digit_mask]; });
}

template <int P, int LongerThan>
void kill_exact_list(ConditionInput& in, ConditionMatrix& m, int column) {
  const auto& named = read_box(in, 0, [](std::string_view text) { return listed_picks(text, P, LongerThan); });
  if (!named) return;
  const auto col = m.column(column);
  for (std::size_t i = 1; i < named->size(); ++i)
    if ((*named)[i]) col[i] = 1;
}

template <int P, int LongerThan>
void base_list(ConditionInput& in, ConditionMatrix& m, int) {
  const auto& named = read_box(in, 0, [](std::string_view text) { return listed_picks(text, P, LongerThan); });
  if (!named) return;
  const auto verdict = m.verdict();
  for (std::size_t i = 1; i < named->size(); ++i)
    if (!(*named)[i]) verdict[i] = 1;
}

template <int P, bool NeedsEntries>
void kill_junk_compound(ConditionInput& in, ConditionMatrix& m, int column) {
  const auto& read = read_clean_box(in, 0, "0123456789./\r\n", [](std::string_view box) {
    std::optional<CompoundLines<P>> lines;
    if (box.empty()) return lines;
    lines.emplace();
    for_each_line(box, [&](std::string_view line) { add_junk_line(*lines, line); });
    if (NeedsEntries && lines->size() == 0) lines.reset();
    return lines;
  });
  if (!read) return;
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) { return read->covering(f); });
}

template <int P, bool CountNamed>
void position_boxes(ConditionInput& in, ConditionMatrix& m, int column) {
  struct Box {
    std::vector<std::size_t> places;
    const std::vector<std::uint8_t>* names;  // by the places' numbers, base 11
  };
  std::vector<Box> boxes;
  for (std::size_t b = 0; b < in.boxes.size(); ++b) {
    // A box's label is fixed, so its reading depends on its text alone.
    Box box{label_places(in.box_labels.at(b)), nullptr};
    const std::size_t k = box.places.size();
    box.names = &read_clean_box(in, b, kDigits, [k](std::string_view text) { return position_names(text, k); });
    if (!box.names->empty()) boxes.push_back(std::move(box));
  }
  if (boxes.empty()) return;
  mark_outside<P>(m, column, in.range, [&](const PickFact<P>& f) {
    int c = 0;
    for (const Box& box : boxes) {
      std::size_t key = 0;
      for (std::size_t place : box.places) key = 11 * key + f.n[place];
      c += ((*box.names)[key] != 0) == CountNamed;
    }
    return c;
  });
}

template void kill_combination<4, kPairs4x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<4, kTriples4x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<5, kPairs5x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<5, kTriples5x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<5, kQuads5x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<6, kPairs6x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<6, kTriples6x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<6, kQuads6x>(ConditionInput&, ConditionMatrix&, int);
template void kill_combination<6, kQuints6x>(ConditionInput&, ConditionMatrix&, int);
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
