#pragma once
// The front-six page as data: its panels (blocks) with their button rows,
// boxes, tolerance selectors, clear and select-all buttons and help buttons,
// the seventeen evaluation steps of a run with the controls each reads, and
// the help keys. The page's captions and initial state, its clear actions, its
// runs and the window's layout all derive from these tables.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/colours.h"
#include "app/control_table.h"
#include "app/page_model/page_block.h"
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

// The page's panels, as blocks; their conditions are q6_steps().
std::span<const Block> q6_panels();
// The box whose list the paste button C_q6_gn `gn` (10 or 11) pastes.
const TextField& q6_paste_box(int gn);
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
