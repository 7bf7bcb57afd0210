// Every control index that the page tables name belongs to one place of one
// page: a block, the result side or a front-six panel. A second claim means
// two conditions (or a condition and a tool) read or clear the same control.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/control_table.h"
#include "app/front_six/front6_page_table.h"
#include "app/pages/page_tables.h"

namespace tesvik {
namespace {

class Claims {
 public:
  void claim(Ctl array, int index, const std::string& by) {
    if (index < 0) return;
    EXPECT_TRUE(control_exists({array, index})) << control_array(array).name << " " << index << " of " << by;
    const auto [it, fresh] = owners_.emplace(std::make_pair(array, index), by);
    EXPECT_TRUE(fresh) << control_array(array).name << " " << index << " is claimed by " << it->second << " and " << by;
  }
  void claim_range(Ctl array, int first, int last, const std::string& by) {
    for (int i = first; i <= last; ++i) claim(array, i, by);
  }
  std::size_t size() const { return owners_.size(); }

 private:
  std::map<std::pair<Ctl, int>, std::string> owners_;
};

void claim_block(Claims& c, const Block& b, const std::string& by) {
  for (const ButtonRow& r : b.rows) {
    c.claim_range(r.kind == RowKind::Kill ? Ctl::C_annv : Ctl::C_annv_chu, r.first, r.last, by + "/" + r.label);
    c.claim(Ctl::C_cls, r.select_all, by + "/" + r.label + " 全");
    c.claim(Ctl::C_cls, r.clear, by + "/" + r.label + " 清");
  }
  for (const TextField& f : b.boxes) {
    c.claim(Ctl::T_nei_txt_ip, f.box, by);
    c.claim(Ctl::C_cls, f.clear, by + " box clear");
  }
  if (b.range >= 0) c.claim_range(Ctl::Comb_rc, b.range, b.range + 1, by);
  c.claim(Ctl::C_cls, b.clear, by + " clear");
  c.claim(Ctl::C_shuoming, b.help, by + " help");
  c.claim(Ctl::C_n_xuan_1, b.mode_keep, by + " 保留");
  c.claim(Ctl::C_n_xuan_1, b.mode_exclude, by + " 排除");
  c.claim(Ctl::C_jg_gn, b.add_button, by + " add");
}

void claim_result_side(Claims& c, const ResultSide& r, const std::string& page) {
  c.claim(Ctl::T_nei_txt_ip, r.base.box, page + " 大底号码");
  c.claim(Ctl::C_cls, r.base.clear, page + " 大底号码 clear");
  c.claim(Ctl::C_shuoming, r.base_help, page + " 大底号码 help");
  c.claim(Ctl::List_jg, r.result_list, page + " result");
  c.claim(Ctl::L_jg_zhushu, r.result_list, page + " count");
  c.claim_range(Ctl::C_jg_gn, r.first_function, r.first_function + 3, page + " functions");
  c.claim_range(Ctl::C_n_xuan_1, r.separator_first, r.separator_first + 2, page + " separators");
  c.claim(Ctl::C_shuoming, r.separator_help, page + " separator help");
  c.claim_range(Ctl::Comb_jg_rc, r.total_lower, r.total_lower + 1, page + " 总容错");
  c.claim(Ctl::C_shuoming, r.total_help, page + " 总容错 help");
  c.claim(Ctl::T_duijiang, r.prize_box, page + " prize box");
  c.claim(Ctl::C_jg_gn, r.prize_button, page + " prize");
  c.claim(Ctl::C_shuoming, r.prize_help, page + " prize help");
}

// A front-six panel's controls; one "清" or help button may serve several
// rows of its panel (a group's numbers and counts), never two panels.
void claim_panel(Claims& c, const Q6Panel& p, int number) {
  const std::string by = "front six panel " + std::to_string(number) + " " + std::string(p.title);
  std::set<std::pair<Ctl, int>> shared;
  for (const Q6Row& r : p.rows) {
    c.claim_range(Ctl::C_q6, r.first, r.last, by + "/" + std::string(r.label));
    shared.insert({{Ctl::C_q6_cls, r.clear}, {Ctl::C_q6_cls, r.select_all}, {Ctl::C_q6_shuoming, r.help}});
  }
  for (const Q6Box& b : p.boxes) {
    c.claim(Ctl::T_q6, b.box, by + " box");
    c.claim(Ctl::C_q6_gn, b.paste, by + " paste");
    shared.insert({{Ctl::C_q6_cls, b.clear}, {Ctl::C_q6_shuoming, b.help}, {Ctl::rc_q6, b.selector}});
  }
  shared.insert({{Ctl::rc_q6, p.selector}, {Ctl::C_q6_cls, p.clear}});
  for (int h : p.helps) shared.insert({Ctl::C_q6_shuoming, h});
  for (int f : p.functions) shared.insert({Ctl::C_q6_gn, f});
  for (const auto& [array, index] : shared) c.claim(array, index, by);
}

TEST(PageModel, EveryControlIndexBelongsToOnePlace) {
  Claims claims;
  for (const PageTable& page : page_tables()) {
    for (const Block& b : page.blocks) claim_block(claims, b, page.mode_caption + " " + b.title);
    claim_result_side(claims, page.result, page.mode_caption);
  }
  int number = 0;
  for (const Q6Panel& p : q6_panels()) claim_panel(claims, p, number++);
  EXPECT_GT(claims.size(), 1000u);
}

}  // namespace
}  // namespace tesvik
