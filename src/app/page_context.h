#pragma once
// What the functions of a condition page work with: the panel, the engine's
// matrices, the user port, the progress display and the tip text.

#include <functional>
#include <string>

#include "app/page_model/block_source.h"
#include "app/pages/panel_state.h"
#include "filter/filter_engine.h"
#include "support/user_port.h"

namespace tesvik {

inline constexpr const char* kNoticeTitle = "温馨提示";

struct PageContext {
  PanelState& panel;
  BlockSource& blocks;  // the panel's controls as a run reads them
  FilterEngine& engine;
  UserPort& port;
  // The progress display: (value, mode) with mode 1 show, 2 set, 0 hide.
  std::function<void(int value, int mode)> progress;
  // Text the tip window shows after a successful copy.
  std::string& tip_text;
};

}  // namespace tesvik
