#pragma once
// The kept picks of the last run of a mode: the result list with its count,
// and the separator the page has chosen.

#include <string>

#include "filter/filter_engine.h"

namespace tesvik {

// " " when the page's "空格" is chosen, "," when its "逗号" is (comma wins), else empty.
std::string page_separator(const PanelState& panel, int places);

// Fills List_jg and L_jg_zhushu of the page with the kept picks of the last run.
void show_result(FilterContext& ctx, int places);

}  // namespace tesvik
