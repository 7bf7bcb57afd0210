#pragma once
// The front-six page: its buttons, boxes, tolerance selectors and count
// label, the pick lists pasted into it, its result viewer and the result of
// its last run, and what a click, a double click or typing does there.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "app/page_model/block_source.h"
#include "controls/result_viewer.h"
#include "controls/tolerance_selector.h"
#include "filter/condition_matrix.h"
#include "filter/run_steps.h"
#include "filter/text_box.h"
#include "front6/pasted_list.h"
#include "support/user_port.h"

namespace tesvik {

// What the page's actions work with besides the page itself.
struct Front6Context {
  UserPort& port;
  // The progress display: (value, mode) with mode 1 show, 2 set, 0 hide.
  std::function<void(int value, int mode)> progress;
  // Text the tip window shows after a successful copy.
  std::string& tip_text;
  // The explanation picture shown over the pages.
  bool& picture_panel;
};

// A pick list pasted into the kill-exact or the base box.
struct PastedPicks {
  bool in_use = false;              // the paste button's tag reads "ok"
  std::vector<std::uint8_t> picks;  // one byte per pick index; 1 = listed
};

struct Front6State {
  std::vector<Button> q6;                    // C_q6
  std::vector<Button> cls;                   // C_q6_cls
  std::vector<Button> gn;                    // C_q6_gn
  std::vector<Button> shuoming;              // C_q6_shuoming
  std::vector<TextBox> boxes;                // T_q6
  std::vector<ToleranceSelector> selectors;  // rc_q6
  Count count;                               // L_jg_zhushu 3
  std::array<PastedPicks, 2> pasted;         // by paste button: C_q6_gn 10 (kill-exact), 11 (base)

  // The button of one of the page's arrays; nullptr for another array.
  Button* button(ControlRef c);
  // The page as the window is created: captions from the page table,
  // "开始缩水" and "空格" green, the hints in boxes 0 and 6, every range 0-0.
  static Front6State initial();
};

class Front6Page final : public BlockSource {
 public:
  // set_viewer_timer(ms) arms the viewer's one-shot timer; 0 disarms it.
  explicit Front6Page(std::function<void(int ms)> set_viewer_timer);

  Front6State& state() { return state_; }
  const Front6State& state() const { return state_; }
  // Controls by reference; the reference must exist in the control table.
  Button* button(ControlRef c) override;
  TextBox* box(ControlRef c) override;
  std::optional<ToleranceRange> range(ControlRef c) override;  // a tolerance selector's
  const std::vector<std::string>* entries(ControlRef) override { return nullptr; }
  const std::vector<std::uint8_t>* listed(ControlRef c) override;  // a paste button's list in use
  Label* label(ControlRef c);
  ToleranceSelector* selector(ControlRef c);
  const ResultViewer& viewer() const { return viewer_; }
  // The last run's result: the verdict column marks the removed picks.
  const ConditionMatrix& result() const { return result_; }
  bool has_result() const { return has_result_; }
  // The step (by its place in the step table) that holds each column of the
  // last result, column 1 first.
  const std::vector<int>& result_slots() const { return result_slots_; }
  // The text that copy button `gn` gives from the last result; nullopt after
  // telling the user why there is none.
  std::optional<std::string> copy_text(int gn, UserPort& port) const;

  // The list of paste button `gn` read from text, as a paste reads the
  // clipboard; the list and its box are emptied unless it reads.
  PasteStatus set_pasted(int gn, std::string_view text);
  // The pasted text in use by paste button `gn`; nullopt when none is.
  std::optional<std::string> pasted_text(int gn) const;
  // No list in use by paste button `gn`; a box whose list was in use shows its hint again, as its clear does.
  void unpaste(int gn);

  // The start-up sequence's part: the universe of the page.
  void load();
  void click(ControlRef c, Front6Context& ctx);
  // A double click empties a box; on a pasted list's box it also drops the list.
  void double_click(ControlRef c);
  // The boxes of the pasted lists show the list in use and take no typing.
  bool read_only(ControlRef c) const;
  void type_text(ControlRef c, std::string_view utf8);
  void viewer_timer() { viewer_.first_draw(); }
  void scroll_viewer(int value) { viewer_.scroll(value); }

 private:
  void clear(int cls);
  void clear_all();
  void help(int index, Front6Context& ctx);
  // The other function buttons, in front6_actions.cpp.
  void function(int gn, Front6Context& ctx);
  void run(Front6Context& ctx);
  void copy(int gn, Front6Context& ctx);
  void choose_separator(int gn);
  int separator_mode() const;
  void paste(int gn, Front6Context& ctx);
  void add_compound(Front6Context& ctx);
  void prize_check(Front6Context& ctx);

  Front6State state_;
  ResultViewer viewer_;
  ConditionMatrix result_;
  ConditionMatrix spare_;  // the storage of the result before the last, reused by the next run
  StepMemory memory_;      // each step's column with the input it was made from
  std::vector<int> result_slots_;
  bool has_result_ = false;
};

}  // namespace tesvik
