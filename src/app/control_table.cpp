#include "app/control_table.h"

#include <algorithm>
#include <stdexcept>

namespace tesvik {

namespace {

using K = ControlKind;
constexpr Owner kFrame = Owner::Frame;
constexpr Owner kPages = Owner::ConditionPages;
constexpr Owner kSix = Owner::FrontSix;

const std::vector<ControlArray>& table() {
  static const std::vector<ControlArray> arrays = {
      {"C_annv", Ctl::C_annv, K::Button, {{0, 614}}, kPages},
      {"C_annv_chu", Ctl::C_annv_chu, K::Button, {{0, 322}}, kPages},
      {"C_cls", Ctl::C_cls, K::Button, {{0, 114}}, kPages},
      {"C_n_xuan_1", Ctl::C_n_xuan_1, K::Button, {{0, 16}}, kPages},
      {"C_jg_gn", Ctl::C_jg_gn, K::Button, {{0, 16}}, kPages},
      {"C_q3_nei", Ctl::C_q3_nei, K::Button, {{0, 4}, {6, 8}}, kPages},
      {"C_ding", Ctl::C_ding, K::Button, {{0, 3}}, kFrame},
      {"C_ding_an", Ctl::C_ding_an, K::Button, {{1, 6}, {8, 8}}, kFrame},
      {"C_shuoming", Ctl::C_shuoming, K::Button, {{0, 60}}, kPages},
      {"T_nei_txt_ip", Ctl::T_nei_txt_ip, K::TextBox, {{0, 34}}, kPages},
      {"T_duijiang", Ctl::T_duijiang, K::TextBox, {{1, 3}}, kPages},
      {"Comb_rc", Ctl::Comb_rc, K::ComboBox, {{0, 51}}, kPages},
      {"Comb_jg_rc", Ctl::Comb_jg_rc, K::ComboBox, {{0, 5}}, kPages},
      {"L_ad", Ctl::L_ad, K::AdvertLabel, {{1, 2}}, kFrame},
      {"L_jg_zhushu", Ctl::L_jg_zhushu, K::CountLabel, {{0, 2}, {3, 3, kSix}}, kPages},
      {"List_jg", Ctl::List_jg, K::ResultList, {{0, 2}}, kPages},
      {"List_nei", Ctl::List_nei, K::CompoundList, {}, kPages},
      {"C_q6", Ctl::C_q6, K::Button, {{0, 202}, {209, 300}}, kSix},
      {"C_q6_cls", Ctl::C_q6_cls, K::Button, {{0, 46}}, kSix},
      {"C_q6_gn", Ctl::C_q6_gn, K::Button, {{0, 13}}, kSix},
      {"C_q6_shuoming", Ctl::C_q6_shuoming, K::Button, {{0, 20}}, kSix},
      {"T_q6", Ctl::T_q6, K::TextBox, {{0, 12}}, kSix},
      {"rc_q6", Ctl::rc_q6, K::RangeSelector, {{0, 10}}, kSix},
      {"ucf_q6show", Ctl::ucf_q6show, K::ResultViewer, {}, kSix},
      {"C1", Ctl::C1, K::Button, {}, kFrame},
      {"Fmain", Ctl::Fmain, K::Window, {}, kFrame},
  };
  return arrays;
}

}  // namespace

bool ControlArray::has_index(int index) const {
  return std::any_of(indices.begin(), indices.end(),
                     [index](const IndexRange& r) { return index >= r.first && index <= r.last; });
}

std::string ControlArray::index_description() const {
  // Ranges that only differ in their owner read as one.
  std::vector<IndexRange> joined;
  for (const IndexRange& r : indices) {
    if (!joined.empty() && joined.back().last + 1 == r.first) joined.back().last = r.last;
    else joined.push_back(r);
  }
  std::string out;
  for (const IndexRange& r : joined) {
    if (!out.empty()) out += ", ";
    out += std::to_string(r.first);
    if (r.last != r.first) out += ".." + std::to_string(r.last);
  }
  return out;
}

std::span<const ControlArray> control_arrays() { return table(); }

const ControlArray& control_array(Ctl ctl) {
  for (const ControlArray& a : table())
    if (a.ctl == ctl) return a;
  throw std::out_of_range("control array");
}

const ControlArray* find_control(std::string_view name) {
  const auto& arrays = table();
  const auto it = std::find_if(arrays.begin(), arrays.end(), [name](const ControlArray& c) { return c.name == name; });
  return it == arrays.end() ? nullptr : &*it;
}

bool control_exists(ControlRef ref) {
  const ControlArray& a = control_array(ref.array);
  return !a.indexed() || a.has_index(ref.index);
}

Owner owner_of(ControlRef ref) {
  const ControlArray& a = control_array(ref.array);
  for (const IndexRange& r : a.indices)
    if (r.owner && ref.index >= r.first && ref.index <= r.last) return *r.owner;
  return a.owner;
}

}  // namespace tesvik
