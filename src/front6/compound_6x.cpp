#include "front6/compound_6x.h"

#include <array>
#include <stdexcept>

#include "filter/box_text.h"
#include "model/number_text.h"
#include "support/text.h"

namespace tesvik {

namespace {

constexpr std::string_view kCompoundText = "0123456789/\r\n";
constexpr std::size_t kBoxLongerThan = 5;  // box characters from which the box is read
constexpr std::size_t kKeptLonger = 9;     // characters a kept line has more than
constexpr std::size_t kKeptLines = 99;     // earlier lines kept when a line is added

}  // namespace

std::optional<CompoundLines<6>> read_compounds_6x(std::string_view box) {
  if (character_count(box) <= kBoxLongerThan) return std::nullopt;
  CompoundLines<6> lines;
  for_each_line(stripped(box, kCompoundText), [&](std::string_view line) {
    if (line.find('/') == std::string_view::npos) return;
    // Fields after the "/" put in front: field 0 is empty, 1..6 are the places.
    std::array<std::string_view, 7> fields;
    std::size_t count = 1, start = 0;
    for (;;) {
      const std::size_t end = line.find('/', start);
      if (count < fields.size()) fields[count] = line.substr(start, end == std::string_view::npos ? end : end - start);
      ++count;
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
    if (count < fields.size()) return;
    if (lines.full()) throw std::length_error("more than 100 compound lines");
    lines.add([&](std::size_t place, std::size_t n) {
      return fields[place + 1].find(shorthand_digit(static_cast<int>(n))) != std::string_view::npos;
    });
  });
  if (lines.size() == 0) return std::nullopt;
  return lines;
}

std::string with_compound_line(std::string_view box, std::string_view line) {
  std::string text;
  std::size_t kept = 0;
  for_each_line(stripped(box, kCompoundText), [&](std::string_view earlier) {
    if (kept == kKeptLines || earlier.size() <= kKeptLonger) return;
    (text += earlier) += "\r\n";
    ++kept;
  });
  (text += line) += "\r\n";
  return text;
}

}  // namespace tesvik
