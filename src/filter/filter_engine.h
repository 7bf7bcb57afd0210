#pragma once
// The engine's state across runs: the last condition matrix of each mode.

#include <array>
#include <functional>
#include <string>

#include "filter/condition_matrix.h"

namespace tesvik {

struct PanelState;
class UserPort;

class FilterEngine {
 public:
  // Empty matrices, so that before the first run every pick counts as kept.
  FilterEngine();
  ConditionMatrix& matrix(int places);
  const ConditionMatrix& matrix(int places) const;

 private:
  std::array<ConditionMatrix, 3> matrices_;
};

// What the run drivers, copies and prize checks work with.
struct FilterContext {
  PanelState& panel;
  FilterEngine& engine;
  UserPort& port;
  // The progress display: (value, mode) with mode 1 show, 2 set, 0 hide.
  std::function<void(int value, int mode)> progress;
  // Text the tip window shows after a successful copy.
  std::string& tip_text;
};

}  // namespace tesvik
