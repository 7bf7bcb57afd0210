#pragma once
// What differs between the pages of front three, four and five, in one
// table: the page, its result list and count label, its function buttons
// and its prize check. Everything that dispatches by mode reads this table.

#include <array>
#include <optional>
#include <string_view>

#include "model/mode.h"

namespace tesvik {

struct ModeInfo {
  Mode mode;
  std::string_view caption;        // C_ding caption
  int page;                        // C_ding / Pic_dibu index
  int result_list;                 // List_jg and L_jg_zhushu index
  std::string_view count_caption;  // shown before the count
  int first_function;              // C_jg_gn "开始缩水"; copy, complement copy and page clear follow
  int prize_box;                   // T_duijiang
  std::string_view prize_caption;
  int prize_button;     // C_jg_gn "兑奖查询"
  int progress_before;  // progress shown before the first condition; -1 for none
};

inline constexpr std::array<ModeInfo, 3> kModeTable = {{
    {Mode::Three, "精确前三", 0, 0, "前三注数:", 0, 1, "输入前三号码", 14, -1},
    {Mode::Four, "精确前四", 1, 1, "前四注数:", 5, 2, "输入前四号码", 15, -1},
    {Mode::Five, "前五", 2, 2, "前五注数:", 10, 3, "输入前五号码", 16, 5},
}};

// The row of a condition mode (three, four or five).
const ModeInfo& mode_info(Mode mode);

// What a function button C_jg_gn does, and on which mode.
enum class Function { Run, Copy, CopyComplement, ClearPage, AddCompound, PrizeCheck };
struct FunctionTarget {
  Function function;
  Mode mode;
};
std::optional<FunctionTarget> function_of(int jg_gn);

}  // namespace tesvik
