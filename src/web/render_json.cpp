#include "web/render_json.h"

#include "web/json_text.h"

namespace tesvik::web {

namespace {

std::string rect_items(const Rect& r) {
  return std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.w) + "," + std::to_string(r.h);
}

std::string ref_items(ControlRef ref) {
  return json_string(control_array(ref.array).name) + "," + std::to_string(ref.index);
}

std::string_view kind_name(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button: return "button";
    case ControlKind::TextBox: return "textbox";
    case ControlKind::ComboBox: return "combobox";
    case ControlKind::CountLabel: return "countlabel";
    case ControlKind::AdvertLabel: return "advertlabel";
    case ControlKind::ResultList: return "resultlist";
    case ControlKind::CompoundList: return "compoundlist";
    case ControlKind::Window: return "window";
    case ControlKind::RangeSelector: return "rangeselector";
    case ControlKind::ResultViewer: return "resultviewer";
  }
  return "";
}

template <typename Item, typename Write>
std::string array(const std::vector<Item>& items, Write write) {
  std::string out = "[";
  for (const Item& item : items) out += (out.size() > 1 ? ",[" : "[") + write(item) + "]";
  return out + "]";
}

}  // namespace

std::string page_json(const PageGeometry& page) {
  std::string out = "{\"width\":" + std::to_string(page.width) + ",\"height\":" + std::to_string(page.height);
  out += ",\"panels\":" + array(page.panels, [](const PlacedPanel& p) {
           return rect_items(p.frame) + "," + std::to_string(p.sub_panel);
         });
  out += ",\"texts\":" + array(page.texts, [](const PlacedText& t) {
           return json_string(t.text) + "," + rect_items(t.rect) + "," + std::to_string(static_cast<int>(t.style)) +
                  "," + std::to_string(t.sub_panel);
         });
  out += ",\"controls\":" + array(page.controls, [](const PlacedControl& c) {
           return ref_items(c.ref) + "," + rect_items(c.rect) + "," + std::to_string(static_cast<int>(c.style)) + "," +
                  std::to_string(c.sub_panel) + "," + json_string(c.hint);
         });
  out += ",\"enter\":" +
         array(page.enter_presses, [](const EnterPress& e) { return ref_items(e.box) + "," + ref_items(e.button); });
  return out + "}";
}

std::string view_json(const ControlView& v, bool with_text) {
  std::string items = "[";
  for (const std::string& item : v.items) items += (items.size() > 1 ? "," : "") + json_string(item);
  items += "]";
  return "{\"kind\":" + json_string(kind_name(v.kind)) + ",\"caption\":" + json_string(v.caption) +
         (with_text ? ",\"text\":" + json_string(v.text) : std::string()) + ",\"upper\":" + json_string(v.upper) +
         ",\"items\":" + items + ",\"colour\":" + std::to_string(v.colour) + ",\"enabled\":" + json_boolean(v.enabled) +
         ",\"visible\":" + json_boolean(v.visible) + ",\"underline\":" + json_boolean(v.underline) +
         ",\"rows\":" + std::to_string(v.rows) + ",\"selected\":" + std::to_string(v.selected) +
         ",\"scrollMax\":" + std::to_string(v.scroll_max) + ",\"revision\":" + std::to_string(v.revision) + "}";
}

std::string rows_json(std::span<const std::string> rows) {
  std::string out = "[";
  for (const std::string& row : rows) out += (out.size() > 1 ? "," : "") + json_string(row);
  return out + "]";
}

std::string history_json(const HistoryReport& report) {
  std::string out = "{\"draws\":" + std::to_string(report.draws) + ",\"kept\":" + std::to_string(report.kept) +
                    ",\"unreadable\":" + std::to_string(report.unreadable);
  out += ",\"lines\":" + array(report.lines, [](const HistoryLine& l) {
           std::string failed = "[";
           for (std::string_view name : l.failed) failed += (failed.size() > 1 ? "," : "") + json_string(name);
           return std::to_string(l.line) + "," + json_boolean(l.readable) + "," + json_string(l.text) + "," +
                  json_boolean(l.kept) + "," + failed + "]";
         });
  std::string conditions = "[";
  for (std::size_t i = 0; i < report.conditions.size() && i < report.condition_failures.size(); ++i)
    conditions += (conditions.size() > 1 ? ",[" : "[") + json_string(report.conditions[i].name) + "," +
                  std::to_string(report.condition_failures[i]) + "]";
  return out + ",\"conditions\":" + conditions + "]}";
}

}  // namespace tesvik::web
