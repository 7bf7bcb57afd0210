#pragma once
// How a condition reads its buttons: the captions of the selected buttons
// of a row, each followed by ".", in ascending index ("05.07."). A value is
// selected when its text occurs in that list.

#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"

namespace tesvik {

std::string dotted_list(const std::vector<Button>& buttons, int first, int last);

inline bool contains(std::string_view list, std::string_view text) { return list.find(text) != std::string_view::npos; }

}  // namespace tesvik
