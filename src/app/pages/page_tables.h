#pragma once
// The condition pages of front three, four and five as data: every block
// with its button rows, text boxes, tolerance pair, clear and select-all
// buttons and help index. The panel's captions and initial state, every
// clear action, the page clears and the window layout derive from these
// tables; nothing else lists indices.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/page_model/run_block.h"
#include "app/pages/mode_table.h"
#include "filter/condition_input.h"
#include "model/mode.h"

namespace tesvik {

// Kill rows are C_annv buttons (toggle yellow), keep rows C_annv_chu (toggle green).
enum class RowKind { Kill, Keep };

struct ButtonRow {
  std::string label;  // shown left of the row ("第一名"); may be empty
  RowKind kind = RowKind::Kill;
  int first = 0;  // first and last button index, inclusive
  int last = 0;
  std::vector<std::string> captions;  // one per index first..last
  int select_all = -1;                // C_cls "全" of this row
  int clear = -1;                     // C_cls "清" of this row
  bool right_to_left = false;         // drawn with the last index left-most
  bool captions_at_startup = false;   // captions are written by the start-up sequence
  int size() const { return last - first + 1; }
  bool holds(int index) const { return index >= first && index <= last; }
};

struct TextField {
  int box = 0;  // T_nei_txt_ip index
  std::string_view label;
  int clear = -1;  // C_cls that empties only this box
};

// A block's help button and the key of its text in the page's help section;
// an empty key: the button shows the explanation picture.
struct BlockHelp {
  int button = -1;  // C_shuoming
  std::string_view key{};
};

struct Block {
  std::string title;
  std::string subtitle;  // a second heading, as on the dan rows
  int sub_panel = -1;    // page-local sub-panel, -1 when always shown
  std::vector<ButtonRow> rows;
  std::vector<TextField> boxes;
  int range = -1;               // Comb_rc of the lower bound; the upper bound is range + 1
  int clear = -1;               // C_cls clearing the whole block
  int help = -1;                // C_shuoming
  std::string_view help_key{};  // its text's key; empty: it shows the explanation picture
  int mode_keep = -1;           // C_n_xuan_1 "保留" / "排除" of a difference or sum row
  int mode_exclude = -1;
  bool compound_list = false;  // the block holds List_nei and its three buttons
  int add_button = -1;         // C_jg_gn adding a compound line to boxes[0]
  Feeds feeds;
};

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
