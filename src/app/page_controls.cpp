#include "app/page_controls.h"

#include <set>
#include <utility>

#include "app/front_six/front6_page_table.h"
#include "app/pages/page_tables.h"

namespace tesvik {

namespace {

class Names {
 public:
  Names(std::vector<NamedControl>& out, Owner owner) : out_(out), owner_(owner) {}
  void add(Ctl array, int index, const std::string& place) {
    if (index >= 0) out_.push_back({{array, index}, owner_, place});
  }
  void add_range(Ctl array, int first, int last, const std::string& place) {
    for (int i = first; i <= last; ++i) add(array, i, place);
  }

 private:
  std::vector<NamedControl>& out_;
  Owner owner_;
};

// Rows and boxes of a block may share a clear or help button: each control
// of a block is named once.
void name_block(Names& n, const Block& b, const BlockArrays& a, const std::string& by) {
  std::set<std::pair<Ctl, int>> named;
  const auto add = [&](Ctl array, int index, const std::string& place) {
    if (index >= 0 && named.insert({array, index}).second) n.add(array, index, place);
  };
  for (const ButtonRow& r : b.rows) {
    for (int i = r.first; i <= r.last; ++i) add(a.buttons_of(r), i, by + "/" + r.label);
    add(a.clear, r.select_all, by + "/" + r.label + " 全");
    add(a.clear, r.clear, by + "/" + r.label + " 清");
    add(a.help, r.help.button, by + "/" + r.label + " help");
  }
  for (const TextField& f : b.boxes) {
    add(a.box, f.box, by + " box");
    add(a.clear, f.clear, by + " box clear");
    add(a.range, f.selector, by + " box tolerance");
    add(a.help, f.help.button, by + " box help");
    add(a.function, f.paste, by + " paste");
  }
  if (b.range >= 0)
    for (int k = 0; k < a.range_width; ++k) add(a.range, b.range + k, by + " tolerance");
  add(a.clear, b.clear, by + " clear");
  for (const BlockHelp& h : b.helps) add(a.help, h.button, by + " help");
  add(Ctl::C_n_xuan_1, b.mode_keep, by + " 保留");
  add(Ctl::C_n_xuan_1, b.mode_exclude, by + " 排除");
  if (b.compound_list)
    for (int k = kCompoundListButtons; k <= kCompoundListButtons + 2; ++k) add(Ctl::C_q3_nei, k, by + " list");
  add(a.function, b.add_button, by + " add");
  for (int f : b.functions) add(a.function, f, by + " function");
  add(Ctl::L_jg_zhushu, b.count_label, by + " count");
}

void name_result_side(Names& n, const ResultSide& r, const ModeInfo& m, const std::string& page) {
  n.add(Ctl::T_nei_txt_ip, r.base.box, page + " 大底号码");
  n.add(Ctl::C_cls, r.base.clear, page + " 大底号码 clear");
  n.add(Ctl::C_shuoming, r.base_help, page + " 大底号码 help");
  n.add(Ctl::List_jg, m.result_list, page + " result");
  n.add(Ctl::L_jg_zhushu, m.result_list, page + " count");
  n.add_range(Ctl::C_jg_gn, m.first_function, m.first_function + 3, page + " functions");
  n.add_range(Ctl::C_n_xuan_1, r.separator_first, r.separator_first + 2, page + " separators");
  n.add(Ctl::C_shuoming, r.separator_help, page + " separator help");
  n.add_range(Ctl::Comb_jg_rc, r.total_lower, r.total_lower + 1, page + " 总容错");
  n.add(Ctl::C_shuoming, r.total_help, page + " 总容错 help");
  n.add(Ctl::T_duijiang, m.prize_box, page + " prize box");
  n.add(Ctl::C_jg_gn, m.prize_button, page + " prize");
  n.add(Ctl::C_shuoming, r.prize_help, page + " prize help");
}

}  // namespace

std::vector<NamedControl> page_controls() {
  std::vector<NamedControl> out;
  Names n(out, Owner::ConditionPages);
  for (const PageTable& page : page_tables()) {
    const ModeInfo& m = mode_info(page.mode);
    const std::string caption(m.caption);
    for (const Block& b : page.blocks) name_block(n, b, kConditionBlockArrays, caption + " " + b.title);
    for (const SubPanelSwitch& s : page.sub_panels) n.add(Ctl::C_q3_nei, s.button, caption + " " + s.caption);
    name_result_side(n, page.result, m, caption);
  }
  n.add(Ctl::C_shuoming, kPictureClose, "the explanation picture's close");
  n.add(Ctl::T_nei_txt_ip, kSpareBox, "the spare box");
  Names six(out, Owner::FrontSix);
  six.add(Ctl::C_q6, kQ6Unread, "front six's unread button");
  int number = 0;
  for (const Block& p : q6_panels())
    name_block(six, p, kSixBlockArrays, "front six panel " + std::to_string(number++) + " " + p.title);
  return out;
}

}  // namespace tesvik
