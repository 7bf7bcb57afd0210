#include "app/pages/mode_table.h"

#include <stdexcept>

namespace tesvik {

const ModeInfo& mode_info(Mode mode) {
  for (const ModeInfo& m : kModeTable)
    if (m.mode == mode) return m;
  throw std::out_of_range("mode without condition page");
}

std::optional<FunctionTarget> function_of(int jg_gn) {
  static constexpr Function kPageFunctions[] = {Function::Run, Function::Copy, Function::CopyComplement,
                                                Function::ClearPage};
  for (const ModeInfo& m : kModeTable) {
    const int k = jg_gn - m.first_function;
    if (k >= 0 && k < 4) return FunctionTarget{kPageFunctions[k], m.mode};
    if (jg_gn == m.add_compound) return FunctionTarget{Function::AddCompound, m.mode};
    if (jg_gn == m.prize_button) return FunctionTarget{Function::PrizeCheck, m.mode};
  }
  return std::nullopt;
}

}  // namespace tesvik
