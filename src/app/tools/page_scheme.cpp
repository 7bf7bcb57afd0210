#include "app/tools/page_scheme.h"

#include <map>

#include "app/app.h"
#include "support/quiet_port.h"

namespace tesvik {

namespace {

// An App as the window opens, for the initial state of every control.
App& pristine() {
  static QuietPort port;
  static App app(port);
  return app;
}

ControlRef ref_of(const SchemeControl& c) { return {c.array, c.index}; }

// The state of one control as scheme entries (several for the compound rows).
std::vector<SchemeEntry> entries_of(App& app, const SchemeControl& c) {
  switch (c.kind) {
    case SchemeKind::Button: return {{&c, app.button_of(ref_of(c))->colour, {}}};
    case SchemeKind::TextBox:
    case SchemeKind::ComboBox: return {{&c, kNeutral, *app.text_of(ref_of(c))}};
    case SchemeKind::Selector: return {{&c, kNeutral, app.selector_of(ref_of(c))->range_text()}};
    case SchemeKind::CompoundRows: {
      std::vector<SchemeEntry> rows;
      for (const std::string& row : app.list_of(ref_of(c))->rows) rows.push_back({&c, kNeutral, row});
      return rows;
    }
    case SchemeKind::PastedList: {
      if (const std::optional<std::string> text = app.front6().pasted_text(c.index)) return {{&c, kNeutral, *text}};
      return {};
    }
  }
  return {};
}

bool same(const std::vector<SchemeEntry>& a, const std::vector<SchemeEntry>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].colour != b[i].colour || a[i].text != b[i].text) return false;
  return true;
}

// Sets one control to its entries; no entries: to its initial state.
void set_control(App& app, const SchemeControl& c, const std::vector<const SchemeEntry*>& entries) {
  if (c.kind == SchemeKind::CompoundRows) {
    std::vector<std::string> rows;
    for (const SchemeEntry* e : entries) rows.push_back(e->text);
    app.list_of(ref_of(c))->assign(std::move(rows));
    return;
  }
  if (c.kind == SchemeKind::PastedList) {
    if (entries.empty()) app.front6().unpaste(c.index);
    else app.front6().set_pasted(c.index, entries.front()->text);
    return;
  }
  const std::vector<SchemeEntry> initial = entries_of(pristine(), c);
  const SchemeEntry& e = entries.empty() ? initial.front() : *entries.front();
  switch (c.kind) {
    case SchemeKind::Button: app.button_of(ref_of(c))->colour = e.colour; break;
    case SchemeKind::TextBox:
    case SchemeKind::ComboBox: app.put_text(ref_of(c), e.text); break;
    case SchemeKind::Selector: app.selector_of(ref_of(c))->set_range(e.text); break;
    default: break;
  }
}

}  // namespace

std::vector<SchemeEntry> page_scheme(App& app, Mode mode) {
  std::vector<SchemeEntry> out;
  for (const SchemeControl& c : scheme_controls(mode)) {
    std::vector<SchemeEntry> now = entries_of(app, c);
    if (same(now, entries_of(pristine(), c))) continue;
    for (SchemeEntry& e : now) out.push_back(std::move(e));
  }
  return out;
}

void apply_scheme(App& app, Mode mode, const std::vector<SchemeEntry>& entries) {
  std::map<const SchemeControl*, std::vector<const SchemeEntry*>> by_control;
  for (const SchemeEntry& e : entries) by_control[e.control].push_back(&e);
  for (const SchemeControl& c : scheme_controls(mode)) {
    const auto it = by_control.find(&c);
    set_control(app, c, it == by_control.end() ? std::vector<const SchemeEntry*>{} : it->second);
  }
}

}  // namespace tesvik
