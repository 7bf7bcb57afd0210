#pragma once
// State of every indexed control of the front-three, four and five pages,
// held as plain values: the engine reads colours, captions and texts by
// index exactly as the window shows them.

#include <array>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "app/controls.h"
#include "filter/text_box.h"

namespace tesvik {

struct PanelState {
  std::vector<Button> annv = std::vector<Button>(slot_count(Ctl::C_annv));
  std::vector<Button> annv_chu = std::vector<Button>(slot_count(Ctl::C_annv_chu));
  std::vector<Button> cls = std::vector<Button>(slot_count(Ctl::C_cls));
  std::vector<Button> n_xuan_1 = std::vector<Button>(slot_count(Ctl::C_n_xuan_1));
  std::vector<Button> jg_gn = std::vector<Button>(slot_count(Ctl::C_jg_gn));
  std::vector<Button> q3_nei = std::vector<Button>(slot_count(Ctl::C_q3_nei));
  std::vector<Button> shuoming = std::vector<Button>(slot_count(Ctl::C_shuoming));
  std::vector<TextBox> txt_ip = std::vector<TextBox>(slot_count(Ctl::T_nei_txt_ip));
  std::vector<std::string> duijiang = std::vector<std::string>(slot_count(Ctl::T_duijiang));
  std::vector<ComboBox> rc = std::vector<ComboBox>(slot_count(Ctl::Comb_rc));
  std::vector<ComboBox> jg_rc = std::vector<ComboBox>(slot_count(Ctl::Comb_jg_rc));
  std::array<ListBox, 3> list_jg;
  ListBox list_nei;
  std::array<Count, 3> zhushu;
  // Shown sub-panel of front three (0, 1) and front four (0 = A, 1 = B, 2 = C).
  int q3_sub_panel = 0;
  int q4_sub_panel = 0;
  bool picture_panel = false;  // the dan explanation picture is shown

  // The button of one of the panel's arrays; nullptr for another array.
  Button* button(ControlRef c);
  // The panel as the window is created: captions from the page tables,
  // neutral buttons, the default options chosen, every box "0" or empty.
  static PanelState initial();
};

}  // namespace tesvik
