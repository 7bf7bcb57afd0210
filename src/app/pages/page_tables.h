#pragma once
// The condition pages of front three, four and five as data: every block
// with its button rows, text boxes, tolerance pair, clear and select-all
// buttons, help button and the condition it feeds. The panel's captions and initial state, every
// clear action, the page clears and the window layout derive from these
// tables; nothing else lists indices.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/page_model/page_block.h"
#include "app/page_model/run_block.h"
#include "app/pages/mode_table.h"
#include "filter/condition_input.h"
#include "model/mode.h"

namespace tesvik {

// The compound list's buttons (C_q3_nei): add the line, delete the selected
// line, delete every line.
inline constexpr int kCompoundListButtons = 2;
enum CompoundListButton { kCompoundAdd = kCompoundListButtons, kCompoundDelete, kCompoundClearAll };
// The C_shuoming that closes the explanation picture.
inline constexpr int kPictureClose = 60;
// T_nei_txt_ip 22 exists, but no block shows or reads it.
inline constexpr int kSpareBox = 22;

struct SubPanelSwitch {
  int button;  // C_q3_nei
  int sub_panel;
  std::string caption;
};

// The result side of a page: its base list and the help buttons and choices
// beside its results. Its result list, count, function buttons and prize
// check are the mode's (mode_info).
struct ResultSide {
  TextField base;    // "大底号码"
  Feeds base_feeds;  // the base list, on the verdict column
  int base_help = -1;
  int separator_first = 0;  // C_n_xuan_1 "空格"; "逗号" and "无" follow
  int separator_help = -1;
  int total_lower = 0;  // Comb_jg_rc of the lower bound; upper follows
  int total_help = -1;
  int prize_help = -1;
};

// A page's page index, captions, result list, function buttons and prize
// check are its mode's (mode_info(mode)).
struct PageTable {
  Mode mode = Mode::Three;
  int places = 3;                 // 3, 4 or 5
  std::string_view help_section;  // the section of the help texts that the page's help buttons show
  std::vector<Block> blocks;
  std::vector<SubPanelSwitch> sub_panels;
  ResultSide result;
};

// The three pages, front three first.
std::span<const PageTable> page_tables();
const PageTable& page_table(Mode mode);

// The run of a page: the blocks that feed a condition column in ascending
// column, its base list last.
std::span<const RunBlock> page_run(Mode mode);

// Captions of a page function button (C_jg_gn) and of the separator choices.
std::string_view function_caption(int jg_gn);

}  // namespace tesvik
