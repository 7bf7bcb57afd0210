#include "app/batch/control_names.h"

namespace tesvik {

std::string_view kind_description(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button: return "a button";
    case ControlKind::TextBox: return "a text box";
    case ControlKind::ComboBox: return "a combo box";
    case ControlKind::CountLabel: return "a count label";
    case ControlKind::AdvertLabel: return "an advert label";
    case ControlKind::ResultList: return "a result list";
    case ControlKind::CompoundList: return "the compound list";
    case ControlKind::Window: return "the main window";
    case ControlKind::RangeSelector: return "a tolerance selector";
    case ControlKind::ResultViewer: return "the result viewer";
  }
  return {};
}

}  // namespace tesvik
