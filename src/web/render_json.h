#pragma once
// What the page draws, as JSON texts: a page's geometry, a control's view
// and the rows of a list.

#include <span>
#include <string>

#include "app/control_view.h"
#include "app/layout/page_geometry.h"
#include "app/tools/history_check.h"

namespace tesvik::web {

// {"width", "height", "panels": [[x, y, w, h, sub_panel]], "texts": [[text,
// x, y, w, h, style, sub_panel]], "controls": [[name, index, x, y, w, h,
// style, sub_panel, hint]], "enter": [[box name, index, button name, index]]}
std::string page_json(const PageGeometry& page);

// {"kind", "caption", "text", "upper", "items", "colour", "enabled",
// "visible", "underline", "rows", "selected", "scrollMax", "revision"};
// kind is the control table's kind in lower case ("button", "textbox", ...);
// without_text leaves "text" out.
std::string view_json(const ControlView& view, bool with_text = true);

// A history check as the dialog shows it: {"draws", "kept", "unreadable",
// "lines": [[line, readable, text, kept, [failed...]]], "conditions":
// [[name, failures]]}.
std::string history_json(const HistoryReport& report);

std::string rows_json(std::span<const std::string> rows);

}  // namespace tesvik::web
