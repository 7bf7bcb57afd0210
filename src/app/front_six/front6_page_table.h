#pragma once
// The front-six page as data: its panels with their button rows, boxes,
// tolerance selectors, clear and select-all buttons and help buttons, the
// seventeen evaluation steps of a run with the controls each reads, and the
// help keys. The page's captions and initial state, its clear actions, its
// runs and the window's layout all derive from these tables.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/colours.h"
#include "app/control_table.h"
#include "app/page_model/run_block.h"
#include "filter/condition_input.h"

namespace tesvik {

inline constexpr int kQ6CountLabel = 3;  // L_jg_zhushu 3

// C_q6_gn indices that the page's actions dispatch on.
enum Q6Function {
  kQ6Run = 0,
  kQ6CopyAll = 1,  // 2, 3, 4: the thirds; 5: the removed picks
  kQ6CopyRemoved = 5,
  kQ6ClearAll = 6,
  kQ6Blank = 7,  // separators: 7 blank, 8 comma, 9 none
  kQ6None = 9,
  kQ6PasteKill = 10,
  kQ6PasteBase = 11,
  kQ6AddCompound = 12,
  kQ6Prize = 13,
};
// C_q6 0 ("00") exists, but no panel shows it and no condition reads it.
inline constexpr int kQ6Unread = 0;
inline constexpr int kQ6TotalSelector = 0;  // rc_q6 of the overall tolerance
inline constexpr int kQ6CompoundBox = 11;
inline constexpr int kQ6PrizeBox = 12;

struct HelpKey {
  std::string_view section{};  // "q6", "qt"; empty for the picture
  std::string_view key{};
};

// A help button (C_q6_shuoming) and the text it shows.
struct Q6Help {
  int button = -1;
  HelpKey key{};
};

struct Q6Row {
  std::string_view label{};  // "第一名", "大号个数"; may be empty
  int first = 0;             // C_q6 indices first..last
  int last = 0;
  std::vector<std::string> captions{};  // one per index
  int clear = -1;                       // C_q6_cls "清" greying the row
  int select_all = -1;                  // C_q6_cls "全" turning the whole row on
  Q6Help help{};                        // beside the row
};

struct Q6Box {
  int box = 0;  // T_q6
  std::string_view label{};
  int clear = -1;     // C_q6_cls emptying the box
  int selector = -1;  // rc_q6 of the box's condition
  Q6Help help{};
  int paste = -1;           // C_q6_gn pasting a pick list into the box
  std::string_view hint{};  // text the box shows while no list is pasted
};

struct Q6Panel {
  std::string_view title{};                // may be empty
  std::vector<std::string_view> labels{};  // further captions ("胆码开出个数", "总容错")
  std::vector<Q6Row> rows{};
  std::vector<Q6Box> boxes{};
  int selector = -1;             // rc_q6 of the panel's condition
  int clear = -1;                // C_q6_cls clearing every row and box of the panel
  std::vector<Q6Help> helps{};   // help buttons not beside a row or box
  std::vector<int> functions{};  // C_q6_gn
  int count_label = -1;          // L_jg_zhushu of the page's count
};

std::span<const Q6Panel> q6_panels();
// The box whose list the paste button C_q6_gn `gn` (10 or 11) pastes.
const Q6Box& q6_paste_box(int gn);
// The run of the page: its conditions in their order of evaluation, each
// on the next free column.
std::span<const RunBlock> q6_steps();
// Help key of C_q6_shuoming k.
const HelpKey& q6_help_key(int shuoming);
std::string_view q6_function_caption(int gn);
// Colour a C_q6 button takes when turned on: yellow for kills, green for keeps.
Colour q6_on_colour(int q6);
// The item range of rc_q6 k: "0*20" for the overall tolerance, "0*6" otherwise.
std::string_view q6_selector_items(int rc);

}  // namespace tesvik
