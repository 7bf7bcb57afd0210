#include "front6/pasted_list.h"

#include <array>

#include "filter/box_text.h"
#include "front6/universe_6x.h"
#include "model/number_text.h"
#include "support/text.h"

namespace tesvik {

namespace {

constexpr std::size_t kClipboardLongerThan = 14;  // characters of clipboard text below which nothing is read
constexpr std::size_t kReadFrom = 12;             // digits and breaks from which the lines are read
constexpr std::size_t kListFrom = 15;             // kept characters from which the list is used

// The digits of the text with its line breaks written as CR LF.
std::string digits_and_breaks(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (is_ascii_digit(c)) {
      kept += c;
    } else if (c == '\r' || c == '\n') {
      kept += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return kept;
}

}  // namespace

PastedList read_pasted_list(std::string_view clipboard) {
  PastedList list;
  const std::string_view text = trim_blanks(clipboard);
  if (character_count(text) <= kClipboardLongerThan) return list;
  std::string kept = digits_and_breaks(text);
  if (kept.size() < kReadFrom) return list;
  std::vector<std::uint8_t> picks(static_cast<std::size_t>(kPicks6) + 1, 0);
  bool bad = false;
  for_each_line(kept, [&](std::string_view line) {
    if (bad || line.size() < 2 * kPlaces6) return;
    std::array<int, kPlaces6> numbers{};
    for (std::size_t p = 0; p < kPlaces6; ++p) {
      numbers[p] = 10 * (line[2 * p] - '0') + (line[2 * p + 1] - '0');
      bad = bad || numbers[p] > kNumbers;
    }
    if (const int pick = bad ? 0 : pick_6x_of(numbers)) picks[static_cast<std::size_t>(pick)] = 1;
  });
  if (bad) list.status = PasteStatus::BadNumber;
  else if (kept.size() >= kListFrom) list = {PasteStatus::Read, std::move(kept), std::move(picks)};
  return list;
}

}  // namespace tesvik
