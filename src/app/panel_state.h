#pragma once
// State of every indexed control of the front-three, four and five pages,
// held as plain values: the engine reads colours, captions and texts by
// index exactly as the window shows them.

#include <array>
#include <string>
#include <vector>

#include "app/controls.h"
#include "filter/text_box.h"

namespace tesvik {

inline constexpr int kKillButtons = 615;     // C_annv 0..614
inline constexpr int kKeepButtons = 323;     // C_annv_chu 0..322
inline constexpr int kClearButtons = 115;    // C_cls 0..114
inline constexpr int kOptionButtons = 17;    // C_n_xuan_1 0..16
inline constexpr int kFunctionButtons = 17;  // C_jg_gn 0..16
inline constexpr int kSubPanelButtons = 9;   // C_q3_nei 0..8, index 5 absent
inline constexpr int kHelpButtons = 61;      // C_shuoming 0..60 (60 closes the picture panel)
inline constexpr int kConditionBoxes = 35;   // T_nei_txt_ip 0..34
inline constexpr int kPrizeBoxes = 4;        // T_duijiang 1..3
inline constexpr int kRangeBoxes = 52;       // Comb_rc 0..51
inline constexpr int kTotalRangeBoxes = 6;   // Comb_jg_rc 0..5

struct PanelState {
  std::vector<Button> annv = std::vector<Button>(kKillButtons);
  std::vector<Button> annv_chu = std::vector<Button>(kKeepButtons);
  std::vector<Button> cls = std::vector<Button>(kClearButtons);
  std::vector<Button> n_xuan_1 = std::vector<Button>(kOptionButtons);
  std::vector<Button> jg_gn = std::vector<Button>(kFunctionButtons);
  std::vector<Button> q3_nei = std::vector<Button>(kSubPanelButtons);
  std::vector<Button> shuoming = std::vector<Button>(kHelpButtons);
  std::vector<TextBox> txt_ip = std::vector<TextBox>(kConditionBoxes);
  std::vector<std::string> duijiang = std::vector<std::string>(kPrizeBoxes);
  std::vector<ComboBox> rc = std::vector<ComboBox>(kRangeBoxes);
  std::vector<ComboBox> jg_rc = std::vector<ComboBox>(kTotalRangeBoxes);
  std::array<ListBox, 3> list_jg;
  ListBox list_nei;
  std::array<Label, 3> zhushu;
  // Shown sub-panel of front three (0, 1) and front four (0 = A, 1 = B, 2 = C).
  int q3_sub_panel = 0;
  int q4_sub_panel = 0;
  bool picture_panel = false;  // the dan explanation picture is shown

  // The panel as the window is created: captions from the page tables,
  // neutral buttons, the default options chosen, every box "0" or empty.
  static PanelState initial();
};

}  // namespace tesvik
