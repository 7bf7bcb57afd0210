#pragma once
// The captions that a page's blocks give their buttons as the window is
// created: each row's captions (unless the start-up sequence writes them),
// "全" and "清", and a difference or sum row's "保留" (chosen) and "排除".

#include <span>
#include <stdexcept>
#include <string_view>

#include "app/page_model/page_block.h"

namespace tesvik {

// `state.button(ref)` gives the state's button, or nullptr for another array.
template <typename State>
void caption_blocks(State& state, std::span<const Block> blocks, const BlockArrays& a) {
  const auto button = [&state](Ctl array, int index) -> Button& {
    Button* b = state.button({array, index});
    if (!b) throw std::out_of_range("block button");
    return *b;
  };
  const auto caption = [&button](Ctl array, int index, std::string_view text) {
    if (index >= 0) button(array, index).caption = text;
  };
  for (const Block& b : blocks) {
    for (const ButtonRow& r : b.rows) {
      if (!r.captions_at_startup)
        for (int i = r.first; i <= r.last; ++i)
          caption(a.buttons_of(r), i, r.captions.at(static_cast<std::size_t>(i - r.first)));
      caption(a.clear, r.select_all, "全");
      caption(a.clear, r.clear, "清");
    }
    for (const TextField& f : b.boxes) caption(a.clear, f.clear, "清");
    caption(a.clear, b.clear, "清");
    if (b.mode_keep >= 0) {
      button(Ctl::C_n_xuan_1, b.mode_keep) = {kKeep, "保留"};
      caption(Ctl::C_n_xuan_1, b.mode_exclude, "排除");
    }
  }
}

}  // namespace tesvik
