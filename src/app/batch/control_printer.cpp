#include "app/batch/control_printer.h"

#include <ostream>

#include "app/app.h"
#include "support/text_escape.h"

namespace tesvik {

namespace {

int flag(bool b) { return b ? 1 : 0; }

void print_button(const Button& b, std::ostream& out) {
  out << " colour=" << b.colour << " caption=" << quote_text(b.caption) << " enabled=" << flag(b.enabled)
      << " visible=" << flag(b.visible) << '\n';
}

void print_list(const ListBox& list, std::ostream& out) {
  out << " rows=" << list.rows.size() << " selected=" << list.selected << '\n';
  for (const std::string& row : list.rows) out << "  " << quote_text(row) << '\n';
}

}  // namespace

void print_control(App& app, const ControlName& control, int index, std::ostream& out) {
  const ControlRef ref{control.ctl, index};
  out << control.name;
  if (control.indexed()) out << ' ' << index;
  switch (control.kind) {
    case ControlKind::Button: print_button(*app.button_of(ref), out); break;
    case ControlKind::TextBox:
    case ControlKind::ComboBox: out << " text=" << quote_text(*app.text_of(ref)) << '\n'; break;
    case ControlKind::CountLabel: out << " caption=" << quote_text(app.label_of(ref)->caption) << '\n'; break;
    case ControlKind::AdvertLabel: {
      const Label& l = *app.label_of(ref);
      out << " caption=" << quote_text(l.caption) << " forecolour=" << l.fore << " underline=" << flag(l.underline)
          << " visible=" << flag(l.visible) << '\n';
      break;
    }
    case ControlKind::ResultList:
    case ControlKind::CompoundList: print_list(*app.list_of(ref), out); break;
    case ControlKind::Window: out << " caption=" << quote_text(app.frame().caption) << '\n'; break;
    case ControlKind::RangeSelector: out << " range=" << quote_text(app.selector_of(ref)->range_text()) << '\n'; break;
    case ControlKind::ResultViewer: {
      const ResultViewer& v = app.viewer();
      out << " value=" << v.value() << " max=" << v.max() << " rows=" << v.rows().size() << '\n';
      for (const std::string& row : v.rows()) out << "  " << quote_text(row) << '\n';
      break;
    }
  }
}

}  // namespace tesvik
