// Every control index that the page model names belongs to one place of one
// page: a block, the result side or a front-six panel. A second claim means
// two conditions (or a condition and a tool) read or clear the same control.
// The control table's indices come from the same names, so the indices that
// scripts may use are checked here against the batch runner's contract.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/control_table.h"
#include "app/page_controls.h"

namespace tesvik {
namespace {

TEST(PageModel, EveryControlIndexBelongsToOnePlace) {
  std::map<std::pair<Ctl, int>, std::string> places;
  for (const NamedControl& n : page_controls()) {
    const auto [it, fresh] = places.emplace(std::make_pair(n.ref.array, n.ref.index), n.place);
    EXPECT_TRUE(fresh) << control_array(n.ref.array).name << " " << n.ref.index << " is named by " << it->second
                       << " and " << n.place;
    EXPECT_EQ(owner_of(n.ref), n.owner) << n.place;
  }
  EXPECT_GT(places.size(), 1000u);
}

TEST(PageModel, ThePagesNameEveryIndexThatScriptsMayUse) {
  const std::map<std::string_view, std::string> expected = {
      {"C_annv", "0..614"},    {"C_annv_chu", "0..322"},     {"C_cls", "0..114"},
      {"C_n_xuan_1", "0..16"}, {"C_jg_gn", "0..16"},         {"C_q3_nei", "0..4, 6..8"},
      {"C_shuoming", "0..60"}, {"T_nei_txt_ip", "0..34"},    {"T_duijiang", "1..3"},
      {"Comb_rc", "0..51"},    {"Comb_jg_rc", "0..5"},       {"L_jg_zhushu", "0..3"},
      {"List_jg", "0..2"},     {"C_q6", "0..202, 209..300"}, {"C_q6_cls", "0..46"},
      {"C_q6_gn", "0..13"},    {"C_q6_shuoming", "0..20"},   {"T_q6", "0..12"},
      {"rc_q6", "0..10"},      {"C_ding", "0..3"},           {"C_ding_an", "1..6, 8"},
      {"L_ad", "1..2"},
  };
  for (const auto& [name, indices] : expected) {
    const ControlArray* array = find_control(name);
    ASSERT_NE(array, nullptr) << name;
    EXPECT_EQ(array->index_description(), indices) << name;
  }
  // The front-six count label stands among the page's controls, the other counts with their pages.
  EXPECT_EQ(owner_of({Ctl::L_jg_zhushu, 3}), Owner::FrontSix);
  EXPECT_EQ(owner_of({Ctl::L_jg_zhushu, 2}), Owner::ConditionPages);
  EXPECT_EQ(slot_count(Ctl::C_q6), 301u);
  EXPECT_EQ(slot_count(Ctl::C_q3_nei), 9u);
}

}  // namespace
}  // namespace tesvik
