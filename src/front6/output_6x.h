#pragma once
// What a front-six result gives the user: the copy text of the kept picks,
// of one interleaved third of them or of the removed picks, and the answer
// of the prize check.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tesvik {

// The separator of the page's separator mode: 1 blank, 2 comma, 3 none (0,
// no choice, keeps the blank).
std::string_view separator_6x(int mode);

// The lines of the picks whose mark in `removal` (one byte per pick index,
// 1 = removed) is `removed`, in pick order, joined by CR LF. Third 1, 2 or 3
// takes only the 1st, 4th, 7th .. (2nd, 5th .. / 3rd, 6th ..) of those
// picks; third 0 takes all. Empty when no pick is taken.
std::string picks_text_6x(std::span<const std::uint8_t> removal, bool removed, int third, std::string_view sep);

// The prize check of six shorthand digits (anything else is the wrong
// length): is the pick they name, place by place, kept?
std::string_view prize_verdict_6x(std::string_view digits, std::span<const std::uint8_t> removal);

}  // namespace tesvik
