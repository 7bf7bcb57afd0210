#include "app/batch/control_names.h"

#include <algorithm>
#include <array>

namespace tesvik {

namespace {

using K = ControlKind;

const std::vector<ControlName>& table() {
  static const std::vector<ControlName> names = {
      {"C_annv", Ctl::C_annv, K::Button, {{0, 614}}},
      {"C_annv_chu", Ctl::C_annv_chu, K::Button, {{0, 322}}},
      {"C_cls", Ctl::C_cls, K::Button, {{0, 114}}},
      {"C_n_xuan_1", Ctl::C_n_xuan_1, K::Button, {{0, 16}}},
      {"C_jg_gn", Ctl::C_jg_gn, K::Button, {{0, 16}}},
      {"C_q3_nei", Ctl::C_q3_nei, K::Button, {{0, 4}, {6, 8}}},
      {"C_ding", Ctl::C_ding, K::Button, {{0, 3}}},
      {"C_ding_an", Ctl::C_ding_an, K::Button, {{1, 6}, {8, 8}}},
      {"C_shuoming", Ctl::C_shuoming, K::Button, {{0, 60}}},
      {"T_nei_txt_ip", Ctl::T_nei_txt_ip, K::TextBox, {{0, 34}}},
      {"T_duijiang", Ctl::T_duijiang, K::TextBox, {{1, 3}}},
      {"Comb_rc", Ctl::Comb_rc, K::ComboBox, {{0, 51}}},
      {"Comb_jg_rc", Ctl::Comb_jg_rc, K::ComboBox, {{0, 5}}},
      {"L_ad", Ctl::L_ad, K::AdvertLabel, {{1, 2}}},
      {"L_jg_zhushu", Ctl::L_jg_zhushu, K::CountLabel, {{0, 2}}},
      {"List_jg", Ctl::List_jg, K::ResultList, {{0, 2}}},
      {"List_nei", Ctl::List_nei, K::CompoundList, {}},
      {"C1", Ctl::C1, K::Button, {}},
      {"Fmain", Ctl::Fmain, K::Window, {}},
  };
  return names;
}

// The front-six page and its viewer, and the network state.
constexpr std::array<std::string_view, 8> kNotBuilt = {"C_q6",  "C_q6_cls", "C_q6_gn",    "C_q6_shuoming",
                                                       "T_q6",  "rc_q6",    "ucf_q6show", "network"};

}  // namespace

std::string_view kind_description(ControlKind kind) {
  switch (kind) {
    case K::Button: return "a button";
    case K::TextBox: return "a text box";
    case K::ComboBox: return "a combo box";
    case K::CountLabel: return "a count label";
    case K::AdvertLabel: return "an advert label";
    case K::ResultList: return "a result list";
    case K::CompoundList: return "the compound list";
    case K::Window: return "the main window";
  }
  return {};
}

bool ControlName::has_index(int index) const {
  return std::any_of(indices.begin(), indices.end(),
                     [index](const IndexRange& r) { return index >= r.first && index <= r.last; });
}

std::string ControlName::index_description() const {
  std::string out;
  for (const IndexRange& r : indices) {
    if (!out.empty()) out += ", ";
    out += std::to_string(r.first);
    if (r.last != r.first) out += ".." + std::to_string(r.last);
  }
  return out;
}

std::span<const ControlName> control_names() { return table(); }

const ControlName* find_control(std::string_view name) {
  const auto& names = table();
  const auto it = std::find_if(names.begin(), names.end(), [name](const ControlName& c) { return c.name == name; });
  return it == names.end() ? nullptr : &*it;
}

bool control_not_built(std::string_view name) {
  return std::find(kNotBuilt.begin(), kNotBuilt.end(), name) != kNotBuilt.end();
}

}  // namespace tesvik
