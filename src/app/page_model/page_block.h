#pragma once
// One block of a page's table: a panel of controls with its captions, clear
// and select-all buttons, helps and tolerance. Every page is a list of these.
// On fronts three to five a block feeds one condition; a front-six block is
// a panel whose rows and boxes the page's run reads by label and index.
// Indices are of the page's arrays (BlockArrays).

#include <string>
#include <string_view>
#include <vector>

#include "app/colours.h"
#include "app/page_model/run_block.h"

namespace tesvik {

// The colour a row's buttons take when turned on: yellow for kills, green
// for keeps. On fronts three to five kill rows are C_annv buttons and keep
// rows C_annv_chu.
enum class RowKind { Kill, Keep };

// A help button and the key of its text; an empty key: the button shows
// the explanation picture.
struct BlockHelp {
  int button = -1;
  std::string_view key{};
  std::string_view section{};  // the text's section when not the page's own
};

struct ButtonRow {
  std::string label{};  // shown left of the row ("第一名"); may be empty
  RowKind kind = RowKind::Kill;
  int first = 0;  // first and last button index, inclusive
  int last = 0;
  std::vector<std::string> captions{};  // one per index first..last
  int select_all = -1;                  // "全" of this row
  int clear = -1;                       // "清" of this row
  BlockHelp help{};                     // beside the row
  bool right_to_left = false;           // drawn with the last index left-most
  bool captions_at_startup = false;     // captions are written by the start-up sequence
  int size() const { return last - first + 1; }
  bool holds(int index) const { return index >= first && index <= last; }
  Colour on_colour() const { return kind == RowKind::Keep ? kKeep : kKill; }
};

struct TextField {
  int box = 0;
  std::string_view label{};
  int clear = -1;     // empties only this box
  int selector = -1;  // the box's own tolerance selector
  BlockHelp help{};
  int paste = -1;           // the button that pastes a pick list into the box
  std::string_view hint{};  // text the box shows while no list is pasted
};

// The arrays that the blocks of a page index.
struct BlockArrays {
  Ctl kill;         // buttons of kill rows
  Ctl keep;         // buttons of keep rows
  Ctl clear;        // "清" and "全"
  Ctl box;          // text boxes
  Ctl range;        // a block's tolerance: a pair of lists, or one selector
  int range_width;  // 2 for a pair (lower, upper), 1 for a selector
  Ctl help;         // help buttons
  Ctl function;     // add, paste and function buttons
  constexpr Ctl buttons_of(const ButtonRow& r) const { return r.kind == RowKind::Keep ? keep : kill; }
};

inline constexpr BlockArrays kConditionBlockArrays{
    Ctl::C_annv, Ctl::C_annv_chu, Ctl::C_cls, Ctl::T_nei_txt_ip, Ctl::Comb_rc, 2, Ctl::C_shuoming, Ctl::C_jg_gn};
inline constexpr BlockArrays kSixBlockArrays{Ctl::C_q6,  Ctl::C_q6, Ctl::C_q6_cls,      Ctl::T_q6,
                                             Ctl::rc_q6, 1,         Ctl::C_q6_shuoming, Ctl::C_q6_gn};

struct Block {
  std::string title{};                     // may be empty
  std::string subtitle{};                  // a second heading, as on the dan rows
  std::vector<std::string_view> labels{};  // further captions ("胆码开出个数", "总容错")
  int sub_panel = -1;                      // page-local sub-panel, -1 when always shown
  std::vector<ButtonRow> rows{};
  std::vector<TextField> boxes{};
  int range = -1;  // Comb_rc of the lower bound (the upper is range + 1), or the rc_q6 selector
  int clear = -1;  // clears the whole block
  std::vector<BlockHelp> helps{};
  int mode_keep = -1;  // C_n_xuan_1 "保留" / "排除" of a difference or sum row
  int mode_exclude = -1;
  bool compound_list = false;    // the block holds List_nei and its three buttons
  int add_button = -1;           // C_jg_gn adding a compound line to boxes[0]
  std::vector<int> functions{};  // function buttons in the block
  int count_label = -1;          // L_jg_zhushu of the page's count
  Feeds feeds{};                 // fronts three to five: the condition the block feeds
};

// Calls f with every help button of a block: its rows', its boxes' and its own.
template <typename F>
void for_each_help(const Block& b, F&& f) {
  for (const ButtonRow& r : b.rows)
    if (r.help.button >= 0) f(r.help);
  for (const TextField& t : b.boxes)
    if (t.help.button >= 0) f(t.help);
  for (const BlockHelp& h : b.helps)
    if (h.button >= 0) f(h);
}

}  // namespace tesvik
