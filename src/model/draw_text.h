#pragma once
// Drawn results as result sites publish them: a line of numbers with any
// separators, often after a period number and a date. Reads the pick of the
// first places from such a text.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tesvik {

// The numbers of the first places of a draw, 1..10 each; places 1..6 used.
using DrawPick = std::array<std::uint8_t, 6>;

// The numbers of a text: each run of ASCII digits is one number, read by
// value ("010" is 10; values past 10^9 read as 10^9). A run of the ten
// digits 0..9, each once, is ten shorthand digits (0 stands for 10).
std::vector<std::int32_t> text_numbers(std::string_view text);

// A draw line: its numbers end with the ten numbers 1..10, each once, or
// they are exactly `places` numbers 1..10, all different. The pick is the
// first `places` numbers of the draw (3..6); nullopt for any other line.
std::optional<DrawPick> draw_pick(std::string_view line, int places);

// One non-blank line of a list of draws; `pick` is empty for a line that
// holds no draw. `text` views the list's text.
struct DrawLine {
  int line = 0;  // 1 = first non-blank line of the text; blank lines are not counted
  std::string_view text;
  std::optional<DrawPick> pick;
};

// Every non-blank line of `text` (lines end at CR LF, LF or CR; a line of
// blanks and tabs only is blank) with the draw it holds for `places`.
std::vector<DrawLine> read_draw_lines(std::string_view text, int places);

// The shorthand digits a prize check reads from its box: the digits of the
// text, or, when they are not `places` long and the text is a draw line as
// the history check reads it, that draw's pick ("0" for 10).
std::string prize_digits(std::string_view text, int places);

}  // namespace tesvik
