#include "web/view_changes.h"

#include <algorithm>

#include "app/app.h"
#include "app/control_table.h"
#include "app/control_view.h"
#include "web/json_text.h"
#include "web/render_json.h"

namespace tesvik::web {

namespace {

std::string frame_json(const App& app) {
  const FrameState& f = app.frame();
  return "{\"page\":" + std::to_string(f.page) + ",\"overlay\":" + json_boolean(f.overlay) +
         ",\"progressVisible\":" + json_boolean(f.progress_visible) +
         ",\"progressPercent\":" + std::to_string(f.progress_percent) + ",\"caption\":" + json_string(f.caption) +
         ",\"news\":" + json_string(f.news) + ",\"subPanels\":[" + std::to_string(app.panel().q3_sub_panel) + "," +
         std::to_string(app.panel().q4_sub_panel) + "],\"picture\":" + json_boolean(app.panel().picture_panel) +
         ",\"ended\":" + json_boolean(app.ended()) + "}";
}

}  // namespace

std::string ViewChanges::take(App& app) {
  std::string views = "[";
  std::size_t at = 0;
  auto visit = [&](const ControlArray& array, int index) {
    const ControlRef ref{array.ctl, index};
    const std::optional<ControlView> v = control_view(app, ref);
    if (!v || v->kind == ControlKind::Window) return;
    if (shown_.size() <= at) shown_.resize(at + 1);
    Shown& s = shown_[at++];
    const std::span<const std::string> lines =
        v->kind == ControlKind::ResultViewer ? control_rows(app, ref, 0, v->rows) : std::span<const std::string>();
    const bool text_changed = !s.sent || v->text != s.text;
    const bool same = s.sent && !text_changed && v->caption == s.caption && v->upper == s.upper &&
                      v->colour == s.colour && v->enabled == s.enabled && v->visible == s.visible &&
                      v->underline == s.underline && v->rows == s.rows && v->selected == s.selected &&
                      v->scroll_max == s.scroll_max && v->revision == s.revision &&
                      std::equal(v->items.begin(), v->items.end(), s.items.begin(), s.items.end()) &&
                      std::equal(lines.begin(), lines.end(), s.lines.begin(), s.lines.end());
    if (same) return;
    s = {true,
         std::string(v->caption),
         std::string(v->text),
         std::string(v->upper),
         std::vector<std::string>(v->items.begin(), v->items.end()),
         std::vector<std::string>(lines.begin(), lines.end()),
         v->colour,
         v->enabled,
         v->visible,
         v->underline,
         v->rows,
         v->selected,
         v->scroll_max,
         v->revision};
    std::string json = view_json(*v, text_changed);
    if (v->kind == ControlKind::ResultViewer) json.insert(json.size() - 1, ",\"lines\":" + rows_json(lines));
    if (views.size() > 1) views += ',';
    views += "[" + json_string(array.name) + "," + std::to_string(index) + "," + json + "]";
  };
  for (const ControlArray& array : control_arrays()) {
    if (!array.indexed()) visit(array, 0);
    for (const IndexRange& range : array.indices)
      for (int i = range.first; i <= range.last; ++i) visit(array, i);
  }
  return "{\"frame\":" + frame_json(app) + ",\"views\":" + views + "]}";
}

}  // namespace tesvik::web
