#include "app/tools/scheme_controls.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "app/control_table.h"
#include "app/front_six/front6_page_table.h"
#include "app/pages/page_tables.h"

namespace tesvik {

namespace {

constexpr std::string_view kPasteWord = "paste";

SchemeControl control(SchemeKind kind, Ctl array, int index, std::vector<Colour> colours = {}) {
  const std::string_view word = kind == SchemeKind::PastedList ? kPasteWord : control_array(array).name;
  return {kind, array, index, std::move(colours), word};
}

SchemeControl button(Ctl array, int index, std::vector<Colour> on) {
  on.insert(on.begin(), kNeutral);
  return control(SchemeKind::Button, array, index, std::move(on));
}

std::vector<SchemeControl> page_controls(const PageTable& page) {
  std::vector<SchemeControl> out;
  for (const Block& b : page.blocks) {
    for (const ButtonRow& r : b.rows)
      for (int i = r.first; i <= r.last; ++i) {
        if (r.kind == RowKind::Kill) out.push_back(button(Ctl::C_annv, i, {kKill}));
        else if (b.mode_keep >= 0) out.push_back(button(Ctl::C_annv_chu, i, {kKeep, kExclude}));
        else out.push_back(button(Ctl::C_annv_chu, i, {kKeep}));
      }
    for (const TextField& f : b.boxes) out.push_back(control(SchemeKind::TextBox, Ctl::T_nei_txt_ip, f.box));
    if (b.range >= 0)
      for (int k = 0; k < 2; ++k) out.push_back(control(SchemeKind::ComboBox, Ctl::Comb_rc, b.range + k));
    if (b.mode_keep >= 0) {
      out.push_back(button(Ctl::C_n_xuan_1, b.mode_keep, {kKeep}));
      out.push_back(button(Ctl::C_n_xuan_1, b.mode_exclude, {kExclude}));
    }
    if (b.compound_list) out.push_back(control(SchemeKind::CompoundRows, Ctl::List_nei, 0));
  }
  const ResultSide& r = page.result;
  out.push_back(control(SchemeKind::TextBox, Ctl::T_nei_txt_ip, r.base.box));
  for (int k = 0; k < 3; ++k) out.push_back(button(Ctl::C_n_xuan_1, r.separator_first + k, {kKeep}));
  for (int k = 0; k < 2; ++k) out.push_back(control(SchemeKind::ComboBox, Ctl::Comb_jg_rc, r.total_lower + k));
  return out;
}

std::vector<SchemeControl> front6_controls() {
  std::vector<SchemeControl> out;
  out.push_back(control(SchemeKind::Selector, Ctl::rc_q6, kQ6TotalSelector));
  for (const RunBlock& step : q6_steps()) {
    const BlockReads& reads = step.reads;
    for (const ReadRow& row : reads.rows)
      for (const ButtonRun& run : row.runs)
        for (int i = run.first; i <= run.last; ++i) out.push_back(button(run.array, i, {q6_on_colour(i)}));
    for (const ReadBox& box : reads.boxes) out.push_back(control(SchemeKind::TextBox, box.box.array, box.box.index));
    if (reads.range) out.push_back(control(SchemeKind::Selector, reads.range->array, reads.range->index));
    if (reads.listed) out.push_back(control(SchemeKind::PastedList, reads.listed->array, reads.listed->index));
  }
  for (int gn = kQ6Blank; gn <= kQ6None; ++gn) out.push_back(button(Ctl::C_q6_gn, gn, {kKeep}));
  return out;
}

// Position of an array in the control table; pasted lists come last.
std::size_t array_rank(const SchemeControl& c) {
  if (c.kind == SchemeKind::PastedList) return control_arrays().size();
  const auto arrays = control_arrays();
  for (std::size_t i = 0; i < arrays.size(); ++i)
    if (arrays[i].ctl == c.array) return i;
  return arrays.size();
}

std::vector<SchemeControl> sorted(std::vector<SchemeControl> controls) {
  std::sort(controls.begin(), controls.end(), [](const SchemeControl& a, const SchemeControl& b) {
    const std::size_t ra = array_rank(a), rb = array_rank(b);
    return ra != rb ? ra < rb : a.index < b.index;
  });
  controls.erase(std::unique(controls.begin(), controls.end(),
                             [](const SchemeControl& a, const SchemeControl& b) {
                               return a.kind == b.kind && a.array == b.array && a.index == b.index;
                             }),
                 controls.end());
  return controls;
}

}  // namespace

std::span<const SchemeControl> scheme_controls(Mode mode) {
  static const std::vector<SchemeControl> tables[] = {
      sorted(page_controls(page_table(Mode::Three))), sorted(page_controls(page_table(Mode::Four))),
      sorted(page_controls(page_table(Mode::Five))), sorted(front6_controls())};
  return tables[static_cast<std::size_t>(mode)];
}

const SchemeControl* find_scheme_control(Mode mode, std::string_view word, int index) {
  using Key = std::pair<std::string_view, int>;
  static const auto maps = [] {
    std::array<std::map<Key, const SchemeControl*>, 4> m;
    for (std::size_t k = 0; k < m.size(); ++k)
      for (const SchemeControl& c : scheme_controls(static_cast<Mode>(k))) m[k][{c.word, c.index}] = &c;
    return m;
  }();
  const auto& map = maps[static_cast<std::size_t>(mode)];
  const auto it = map.find({word, index});
  return it == map.end() ? nullptr : it->second;
}

}  // namespace tesvik
