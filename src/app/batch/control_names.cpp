#include "app/batch/control_names.h"

#include <algorithm>
#include <array>

namespace tesvik {

namespace {

// The front-six page and its viewer.
constexpr std::array<std::string_view, 7> kNotBuilt = {"C_q6", "C_q6_cls", "C_q6_gn",   "C_q6_shuoming",
                                                       "T_q6", "rc_q6",    "ucf_q6show"};

}  // namespace

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
  }
  return {};
}

bool control_not_built(std::string_view name) {
  return std::find(kNotBuilt.begin(), kNotBuilt.end(), name) != kNotBuilt.end();
}

}  // namespace tesvik
