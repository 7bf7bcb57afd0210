#pragma once
// The separator of the front-six page's lines.

#include <string_view>

namespace tesvik {

// The separator of the page's separator mode: 1 blank, 2 comma, 3 none (0,
// no choice, keeps the blank).
std::string_view separator_6x(int mode);

}  // namespace tesvik
