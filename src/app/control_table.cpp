#include "app/control_table.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "app/page_controls.h"

namespace tesvik {

namespace {

using K = ControlKind;
constexpr Owner kFrame = Owner::Frame;
constexpr Owner kPages = Owner::ConditionPages;
constexpr Owner kSix = Owner::FrontSix;

// The indices of the pages' arrays are those that the page model names.
const std::vector<IndexRange> kFromPages = {{-1, -1}};

// Adjacent indices of one owner as ranges; `owner` is set where it is not
// the array's own.
std::vector<IndexRange> ranges_of(const std::map<int, Owner>& indices, Owner array_owner) {
  std::vector<IndexRange> out;
  for (const auto& [index, owner] : indices) {
    const std::optional<Owner> own = owner == array_owner ? std::nullopt : std::optional(owner);
    if (!out.empty() && out.back().last + 1 == index && out.back().owner == own) out.back().last = index;
    else out.push_back({index, index, own});
  }
  return out;
}

std::vector<ControlArray> with_page_indices(std::vector<ControlArray> arrays) {
  std::map<Ctl, std::map<int, Owner>> named;
  for (const NamedControl& n : page_controls()) named[n.ref.array].emplace(n.ref.index, n.owner);
  for (ControlArray& a : arrays)
    if (a.indices == kFromPages) a.indices = ranges_of(named[a.ctl], a.owner);
  return arrays;
}

const std::vector<ControlArray>& table() {
  static const std::vector<ControlArray> arrays = with_page_indices({
      {"C_annv", Ctl::C_annv, K::Button, kFromPages, kPages},
      {"C_annv_chu", Ctl::C_annv_chu, K::Button, kFromPages, kPages},
      {"C_cls", Ctl::C_cls, K::Button, kFromPages, kPages},
      {"C_n_xuan_1", Ctl::C_n_xuan_1, K::Button, kFromPages, kPages},
      {"C_jg_gn", Ctl::C_jg_gn, K::Button, kFromPages, kPages},
      {"C_q3_nei", Ctl::C_q3_nei, K::Button, kFromPages, kPages},
      {"C_ding", Ctl::C_ding, K::Button, {{0, 3}}, kFrame},
      {"C_ding_an", Ctl::C_ding_an, K::Button, {{1, 6}, {8, 8}}, kFrame},
      {"C_shuoming", Ctl::C_shuoming, K::Button, kFromPages, kPages},
      {"T_nei_txt_ip", Ctl::T_nei_txt_ip, K::TextBox, kFromPages, kPages},
      {"T_duijiang", Ctl::T_duijiang, K::TextBox, kFromPages, kPages},
      {"Comb_rc", Ctl::Comb_rc, K::ComboBox, kFromPages, kPages},
      {"Comb_jg_rc", Ctl::Comb_jg_rc, K::ComboBox, kFromPages, kPages},
      {"L_ad", Ctl::L_ad, K::AdvertLabel, {{1, 2}}, kFrame},
      {"L_jg_zhushu", Ctl::L_jg_zhushu, K::CountLabel, kFromPages, kPages},
      {"List_jg", Ctl::List_jg, K::ResultList, kFromPages, kPages},
      {"List_nei", Ctl::List_nei, K::CompoundList, {}, kPages},
      {"C_q6", Ctl::C_q6, K::Button, kFromPages, kSix},
      {"C_q6_cls", Ctl::C_q6_cls, K::Button, kFromPages, kSix},
      {"C_q6_gn", Ctl::C_q6_gn, K::Button, kFromPages, kSix},
      {"C_q6_shuoming", Ctl::C_q6_shuoming, K::Button, kFromPages, kSix},
      {"T_q6", Ctl::T_q6, K::TextBox, kFromPages, kSix},
      {"rc_q6", Ctl::rc_q6, K::RangeSelector, kFromPages, kSix},
      {"ucf_q6show", Ctl::ucf_q6show, K::ResultViewer, {}, kSix},
      {"C1", Ctl::C1, K::Button, {}, kFrame},
      {"Fmain", Ctl::Fmain, K::Window, {}, kFrame},
  });
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

std::size_t slot_count(Ctl ctl) {
  const ControlArray& a = control_array(ctl);
  return a.indexed() ? static_cast<std::size_t>(a.indices.back().last + 1) : 0;
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
