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

void name_block(Names& n, const Block& b, const std::string& by) {
  for (const ButtonRow& r : b.rows) {
    n.add_range(r.kind == RowKind::Kill ? Ctl::C_annv : Ctl::C_annv_chu, r.first, r.last, by + "/" + r.label);
    n.add(Ctl::C_cls, r.select_all, by + "/" + r.label + " 全");
    n.add(Ctl::C_cls, r.clear, by + "/" + r.label + " 清");
  }
  for (const TextField& f : b.boxes) {
    n.add(Ctl::T_nei_txt_ip, f.box, by);
    n.add(Ctl::C_cls, f.clear, by + " box clear");
  }
  if (b.range >= 0) n.add_range(Ctl::Comb_rc, b.range, b.range + 1, by);
  n.add(Ctl::C_cls, b.clear, by + " clear");
  n.add(Ctl::C_shuoming, b.help, by + " help");
  n.add(Ctl::C_n_xuan_1, b.mode_keep, by + " 保留");
  n.add(Ctl::C_n_xuan_1, b.mode_exclude, by + " 排除");
  if (b.compound_list) n.add_range(Ctl::C_q3_nei, kCompoundListButtons, kCompoundListButtons + 2, by + " list");
  n.add(Ctl::C_jg_gn, b.add_button, by + " add");
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

void name_panel(Names& n, const Q6Panel& p, int number) {
  const std::string by = "front six panel " + std::to_string(number) + " " + std::string(p.title);
  std::set<std::pair<Ctl, int>> shared;
  for (const Q6Row& r : p.rows) {
    n.add_range(Ctl::C_q6, r.first, r.last, by + "/" + std::string(r.label));
    shared.insert({{Ctl::C_q6_cls, r.clear}, {Ctl::C_q6_cls, r.select_all}, {Ctl::C_q6_shuoming, r.help.button}});
  }
  for (const Q6Box& b : p.boxes) {
    n.add(Ctl::T_q6, b.box, by + " box");
    n.add(Ctl::C_q6_gn, b.paste, by + " paste");
    shared.insert({{Ctl::C_q6_cls, b.clear}, {Ctl::C_q6_shuoming, b.help.button}, {Ctl::rc_q6, b.selector}});
  }
  shared.insert({{Ctl::rc_q6, p.selector}, {Ctl::C_q6_cls, p.clear}});
  for (const Q6Help& h : p.helps) shared.insert({Ctl::C_q6_shuoming, h.button});
  for (int f : p.functions) shared.insert({Ctl::C_q6_gn, f});
  for (const auto& [array, index] : shared) n.add(array, index, by);
  n.add(Ctl::L_jg_zhushu, p.count_label, by + " count");
}

}  // namespace

std::vector<NamedControl> page_controls() {
  std::vector<NamedControl> out;
  Names n(out, Owner::ConditionPages);
  for (const PageTable& page : page_tables()) {
    const ModeInfo& m = mode_info(page.mode);
    const std::string caption(m.caption);
    for (const Block& b : page.blocks) name_block(n, b, caption + " " + b.title);
    for (const SubPanelSwitch& s : page.sub_panels) n.add(Ctl::C_q3_nei, s.button, caption + " " + s.caption);
    name_result_side(n, page.result, m, caption);
  }
  n.add(Ctl::C_shuoming, kPictureClose, "the explanation picture's close");
  n.add(Ctl::T_nei_txt_ip, kSpareBox, "the spare box");
  Names six(out, Owner::FrontSix);
  six.add(Ctl::C_q6, kQ6Unread, "front six's unread button");
  int number = 0;
  for (const Q6Panel& p : q6_panels()) name_panel(six, p, number++);
  return out;
}

}  // namespace tesvik
