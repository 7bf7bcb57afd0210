#include "app/control_view.h"

#include <algorithm>

#include "app/app.h"

namespace tesvik {

namespace {

std::span<const std::string> rows_of(App& app, ControlRef ref) {
  if (ref.array == Ctl::ucf_q6show) return app.viewer().rows();
  if (const ListBox* list = app.list_of(ref)) return list->rows;
  return {};
}

}  // namespace

std::optional<ControlView> control_view(App& app, ControlRef ref) {
  if (!control_exists(ref)) return std::nullopt;
  ControlView v;
  v.kind = control_array(ref.array).kind;
  if (const Button* b = app.button_of(ref)) {
    v.caption = b->caption;
    v.colour = b->colour;
    v.enabled = b->enabled;
    v.visible = b->visible;
  } else if (const Label* l = app.label_of(ref)) {
    v.caption = l->caption;
    v.colour = l->fore;
    v.underline = l->underline;
    v.visible = l->visible;
  } else if (const ListBox* list = app.list_of(ref)) {
    v.rows = static_cast<int>(list->rows.size());
    v.selected = list->selected;
    v.revision = list->revision;
  } else if (const ToleranceSelector* s = app.selector_of(ref)) {
    v.text = s->lower();
    v.upper = s->upper();
    v.items = s->items();
  } else if (ref.array == Ctl::ucf_q6show) {
    const ResultViewer& viewer = app.viewer();
    v.rows = static_cast<int>(viewer.rows().size());
    v.selected = viewer.value();
    v.scroll_max = viewer.max();
  } else if (const TextBox* box = app.box_of(ref)) {
    v.text = box->text();
    v.revision = box->revision();
    v.revised = true;
  } else if (const std::string* text = app.text_of(ref)) {
    v.text = *text;
    if (const ComboBox* combo = app.combo_of(ref)) v.items = combo->items;
  }
  return v;
}

std::span<const std::string> control_rows(App& app, ControlRef ref, int first, int count) {
  const std::span<const std::string> rows = rows_of(app, ref);
  const auto size = static_cast<int>(rows.size());
  if (first < 0 || count <= 0 || first >= size) return {};
  return rows.subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(std::min(count, size - first)));
}

}  // namespace tesvik
