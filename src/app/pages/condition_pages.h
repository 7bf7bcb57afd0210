#pragma once
// The pages of front three, four and five: every indexed control of their
// panels, the engine's matrices of their last runs, and what a click, a
// double click or typing does there.

#include <string>
#include <string_view>

#include "app/controls.h"
#include "app/page_context.h"
#include "app/page_model/block_source.h"
#include "app/pages/panel_state.h"
#include "filter/filter_engine.h"

namespace tesvik {

class ConditionPages final : public BlockSource {
 public:
  ConditionPages() : panel_(PanelState::initial()) {}

  PanelState& panel() { return panel_; }
  const PanelState& panel() const { return panel_; }
  FilterEngine& engine() { return engine_; }

  // Controls by reference; the reference must exist in the control table.
  Button* button(ControlRef c) override;
  TextBox* box(ControlRef c) override;                         // a condition box
  std::optional<ToleranceRange> range(ControlRef c) override;  // a block's pair of range boxes
  const std::vector<std::string>* entries(ControlRef c) override;
  const std::vector<std::uint8_t>* listed(ControlRef) override { return nullptr; }
  std::string* text(ControlRef c);  // a prize box's or combo box's text
  ComboBox* combo(ControlRef c);
  ListBox* list(ControlRef c);
  Label* label(ControlRef c);

  // The start-up sequence's part: empty matrices, the pair captions written
  // at start-up, the items of every tolerance box, the help texts.
  void load();
  void click(ControlRef c, PageContext& ctx);
  void double_click(ControlRef c);
  void type_text(ControlRef c, std::string_view utf8);

 private:
  PanelState panel_;
  FilterEngine engine_;
};

}  // namespace tesvik
