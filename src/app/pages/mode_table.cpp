#include "app/pages/mode_table.h"

#include <stdexcept>

#include "app/pages/page_tables.h"

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
    if (jg_gn == m.prize_button) return FunctionTarget{Function::PrizeCheck, m.mode};
  }
  for (const PageTable& page : page_tables())
    for (const Block& b : page.blocks)
      if (b.add_button >= 0 && b.add_button == jg_gn) return FunctionTarget{Function::AddCompound, page.mode};
  return std::nullopt;
}

}  // namespace tesvik
