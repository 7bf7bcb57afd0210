#pragma once
// One run of a page's blocks: each block's input read from the page, its
// condition run into the matrix with the progress steps between them.

#include <functional>
#include <span>
#include <vector>

#include "app/page_model/block_source.h"
#include "app/page_model/run_block.h"
#include "filter/run_steps.h"

namespace tesvik {

// The input of a block's condition. Throws std::out_of_range when the page
// has no control that the block names.
ConditionInput read_block(BlockSource& page, const BlockReads& reads);

// Runs the blocks in their order into `m`; `writes_back` lets the
// conditions write their cleaned boxes back to the page. Returns the block
// (by its position) that holds each written column, in column order.
// Exceptions of a condition end the run and reach the caller.
std::vector<int> run_blocks(BlockSource& page, std::span<const RunBlock> blocks, bool writes_back, ConditionMatrix& m,
                            StepMemory& memory, const std::function<void(int)>& progress);

}  // namespace tesvik
