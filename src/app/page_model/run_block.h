#pragma once
// The run of a page as data: each condition with the controls it reads,
// named by array and index. Every page's run is a list of these blocks, in
// their order of evaluation; one reader turns a block into its condition's
// input, whichever page holds the controls.

#include <optional>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "filter/condition_input.h"

namespace tesvik {

// The condition a block feeds: the routine that reads the block, its column
// of the condition matrix, its name in the page's list of conditions and the
// progress value shown after it.
struct Feeds {
  ConditionFn condition = nullptr;  // nullptr: a progress step alone
  int column = 0;                   // 1..100, the verdict column for a base list, 0 for the next free one
  std::string_view name{};
  int progress = -1;  // -1: no progress step after it
};

// Buttons first..last of one array, read in index order.
struct ButtonRun {
  Ctl array = Ctl::C_annv;
  int first = 0;
  int last = 0;
};

// One row of the condition's input: its label and the buttons read into it.
struct ReadRow {
  std::string_view label{};  // decides the class of a count row; may be empty
  std::vector<ButtonRun> runs{};
};

struct ReadBox {
  ControlRef box{};
  std::string_view label{};  // the label shown with the box ("A*C*")
};

// What a block gives its condition.
struct BlockReads {
  std::vector<ReadRow> rows{};
  std::vector<ReadBox> boxes{};
  std::optional<ControlRef> range{};    // the control holding the block's tolerance range
  std::optional<ControlRef> exclude{};  // the block's "排除" choice
  std::optional<ControlRef> entries{};  // the block's compound list
  std::optional<ControlRef> listed{};   // the paste button whose pick list the block reads
};

struct RunBlock {
  Feeds feeds{};
  BlockReads reads{};
};

}  // namespace tesvik
