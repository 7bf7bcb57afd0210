#include "app/tools/scheme_controls.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
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

// The colours a click gives a condition button; a keep row of a block with
// "保留" / "排除" also takes the exclude colour.
std::vector<Colour> on_colours(ControlRef c, bool excludes) {
  switch (c.array) {
    case Ctl::C_annv_chu: return excludes ? std::vector<Colour>{kKeep, kExclude} : std::vector<Colour>{kKeep};
    case Ctl::C_q6: return {q6_on_colour(c.index)};
    default: return {kKill};
  }
}

// What the blocks of a run read: their buttons, boxes, ranges (a pair of
// combo boxes or a selector), "保留" / "排除", compound lists and pasted lists.
std::vector<SchemeControl> run_controls(std::span<const RunBlock> run) {
  std::vector<SchemeControl> out;
  for (const RunBlock& block : run) {
    const BlockReads& reads = block.reads;
    for (const ReadRow& row : reads.rows)
      for (const ButtonRun& buttons : row.runs)
        for (int i = buttons.first; i <= buttons.last; ++i)
          out.push_back(button(buttons.array, i, on_colours({buttons.array, i}, reads.exclude.has_value())));
    for (const ReadBox& box : reads.boxes) out.push_back(control(SchemeKind::TextBox, box.box.array, box.box.index));
    if (const std::optional<ControlRef> range = reads.range) {
      if (range->array == Ctl::rc_q6) out.push_back(control(SchemeKind::Selector, range->array, range->index));
      else
        for (int k = 0; k < 2; ++k) out.push_back(control(SchemeKind::ComboBox, range->array, range->index + k));
    }
    if (const std::optional<ControlRef> exclude = reads.exclude) {  // "保留" sits just before "排除"
      out.push_back(button(exclude->array, exclude->index - 1, {kKeep}));
      out.push_back(button(exclude->array, exclude->index, {kExclude}));
    }
    if (reads.entries) out.push_back(control(SchemeKind::CompoundRows, reads.entries->array, reads.entries->index));
    if (reads.listed) out.push_back(control(SchemeKind::PastedList, reads.listed->array, reads.listed->index));
  }
  return out;
}

// A condition page's run with its separator choices and overall range.
std::vector<SchemeControl> page_controls(Mode mode) {
  std::vector<SchemeControl> out = run_controls(page_run(mode));
  const ResultSide& r = page_table(mode).result;
  for (int k = 0; k < 3; ++k) out.push_back(button(Ctl::C_n_xuan_1, r.separator_first + k, {kKeep}));
  for (int k = 0; k < 2; ++k) out.push_back(control(SchemeKind::ComboBox, Ctl::Comb_jg_rc, r.total_lower + k));
  return out;
}

// Front six's run with its overall selector and separator choices.
std::vector<SchemeControl> front6_controls() {
  std::vector<SchemeControl> out = run_controls(q6_steps());
  out.push_back(control(SchemeKind::Selector, Ctl::rc_q6, kQ6TotalSelector));
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
  static const std::vector<SchemeControl> tables[] = {sorted(page_controls(Mode::Three)),
                                                      sorted(page_controls(Mode::Four)),
                                                      sorted(page_controls(Mode::Five)), sorted(front6_controls())};
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
