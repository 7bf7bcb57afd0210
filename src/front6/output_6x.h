#pragma once
// What a front-six result gives the user besides the shared copy text: the
// separator of its lines and the answer of the prize check.

#include <cstdint>
#include <span>
#include <string_view>

namespace tesvik {

// The separator of the page's separator mode: 1 blank, 2 comma, 3 none (0,
// no choice, keeps the blank).
std::string_view separator_6x(int mode);

// The prize check of six shorthand digits (anything else is the wrong
// length): is the pick they name, place by place, kept?
std::string_view prize_verdict_6x(std::string_view digits, std::span<const std::uint8_t> removal);

}  // namespace tesvik
