// The function buttons of the front-six page (C_q6_gn): run, copies,
// separator, pastes, adding a compound line and the prize check.

#include <exception>
#include <stdexcept>

#include "app/front_six/front6_page.h"
#include "app/front_six/front6_page_table.h"
#include "app/page_context.h"
#include "app/page_model/page_run.h"
#include "filter/box_text.h"
#include "filter/result_picks.h"
#include "filter/tolerance.h"
#include "front6/compound_6x.h"
#include "front6/pasted_list.h"
#include "model/number_text.h"
#include "support/clipboard_copy.h"
#include "support/clipboard_read.h"

namespace tesvik {

namespace {

constexpr const char* kPromptTitle = "提示";
constexpr int kCompoundPauseMs = 500;

const Block& compound_panel() {
  for (const Block& panel : q6_panels())
    if (panel.clear == kQ6CompoundBox) return panel;
  throw std::out_of_range("compound panel");
}

}  // namespace

void Front6Page::function(int gn, Front6Context& ctx) {
  try {
    switch (gn) {
      case kQ6Run: run(ctx); break;
      case kQ6ClearAll: clear_all(); break;
      case kQ6PasteKill:
      case kQ6PasteBase: paste(gn, ctx); break;
      case kQ6AddCompound: add_compound(ctx); break;
      case kQ6Prize: prize_check(ctx); break;
      default:
        if (gn >= kQ6CopyAll && gn <= kQ6CopyRemoved) copy(gn, ctx);
        else if (gn >= kQ6Blank && gn <= kQ6None) choose_separator(gn);
        break;
    }
  } catch (const std::exception&) {
    // An action that fails ends without a word; the run and the pastes say so themselves.
  }
}

void Front6Page::run(Front6Context& ctx) {
  if (!state_.boxes.at(kQ6PrizeBox).empty()) state_.boxes.at(kQ6PrizeBox).clear();
  ctx.progress(0, 1);
  std::vector<int> slots;
  try {
    // The run leaves the page's boxes as they are.
    slots = run_blocks(*this, q6_steps(), false, spare_, memory_, [&](int percent) { ctx.progress(percent, 2); });
    const ToleranceRange total = state_.selectors.at(kQ6TotalSelector).allowed();
    apply_overall_tolerance(spare_, total.lower, total.upper);
  } catch (const std::exception&) {
    // The last result stays as it was: its count, list, copies and prize check.
    ctx.progress(0, 0);
    ctx.port.message(kPromptTitle, "错误，你输入的条件有错误，请检查");
    return;
  }
  std::swap(result_, spare_);
  result_slots_ = std::move(slots);
  has_result_ = true;
  const int kept = result_.kept_count();
  state_.count.show(kept);
  viewer_.set_data(result_.verdict(), kept, separator_mode());
  ctx.progress(0, 0);
  for (int gn = kQ6CopyAll; gn <= kQ6CopyRemoved; ++gn) state_.gn[static_cast<std::size_t>(gn)].colour = kNeutral;
}

std::optional<std::string> Front6Page::copy_text(int gn, UserPort& port) const {
  if (!has_result_) {
    port.message(kNoticeTitle, "请先缩水后再复制");
    return std::nullopt;
  }
  const bool removed = gn == kQ6CopyRemoved;
  std::string text =
      picks_text(result_, Mode::Six, separator_6x(separator_mode()), removed, removed ? 0 : gn - kQ6CopyAll);
  if (text.empty()) {
    port.message(kNoticeTitle, "注数=0注");
    return std::nullopt;
  }
  return text;
}

void Front6Page::copy(int gn, Front6Context& ctx) {
  if (const std::optional<std::string> text = copy_text(gn, ctx.port)) {
    ctx.tip_text = gn == kQ6CopyRemoved ? "反选复制成功" : "复制成功";
    copy_to_clipboard(ctx.port, *text, ctx.tip_text);
  }
  for (int k = kQ6CopyAll; k <= kQ6CopyRemoved; ++k)
    state_.gn[static_cast<std::size_t>(k)].colour = k == gn ? kKeep : kNeutral;
}

void Front6Page::choose_separator(int gn) {
  for (int k = kQ6Blank; k <= kQ6None; ++k) state_.gn[static_cast<std::size_t>(k)].colour = k == gn ? kKeep : kNeutral;
}

int Front6Page::separator_mode() const {
  int mode = 0;  // a later choice wins, should more than one be green
  for (int k = kQ6Blank; k <= kQ6None; ++k)
    if (state_.gn[static_cast<std::size_t>(k)].selected()) mode = k - kQ6Blank + 1;
  return mode;
}

void Front6Page::paste(int gn, Front6Context& ctx) {
  if (set_pasted(gn, read_from_clipboard(ctx.port)) == PasteStatus::BadNumber)
    ctx.port.message(kPromptTitle, "错误，你输入的号码有错误，请检查");
}

PasteStatus Front6Page::set_pasted(int gn, std::string_view text) {
  TextBox& box = state_.boxes.at(static_cast<std::size_t>(q6_paste_box(gn).box));
  PastedPicks& list = state_.pasted.at(static_cast<std::size_t>(gn - kQ6PasteKill));
  box.clear();
  list = {};
  PastedList read = read_pasted_list(text);
  if (read.status == PasteStatus::Read) {
    list = {true, std::move(read.picks)};
    box = std::move(read.text);
  }
  return read.status;
}

std::optional<std::string> Front6Page::pasted_text(int gn) const {
  if (!state_.pasted.at(static_cast<std::size_t>(gn - kQ6PasteKill)).in_use) return std::nullopt;
  return state_.boxes.at(static_cast<std::size_t>(q6_paste_box(gn).box)).text();
}

void Front6Page::unpaste(int gn) {
  PastedPicks& list = state_.pasted.at(static_cast<std::size_t>(gn - kQ6PasteKill));
  if (!list.in_use) return;
  list = {};
  const TextField& box = q6_paste_box(gn);
  state_.boxes.at(static_cast<std::size_t>(box.box)) = std::string(box.hint);
}

void Front6Page::add_compound(Front6Context& ctx) {
  const Block& panel = compound_panel();
  std::string line;
  for (const ButtonRow& r : panel.rows) {
    std::string digits;
    for (int i = r.first; i <= r.last; ++i)
      if (state_.q6.at(static_cast<std::size_t>(i)).selected()) digits += shorthand_digit(i - r.first + 1);
    if (digits.empty()) return;
    if (!line.empty()) line += '/';
    line += digits;
  }
  TextBox& box = state_.boxes.at(kQ6CompoundBox);
  box = with_compound_line(box.text(), line);
  ctx.port.pause(kCompoundPauseMs);
  for (const ButtonRow& r : panel.rows)
    for (int i = r.first; i <= r.last; ++i) state_.q6.at(static_cast<std::size_t>(i)).colour = kNeutral;
}

void Front6Page::prize_check(Front6Context& ctx) {
  std::string_view verdict = "请先缩水后再兑奖";
  if (has_result_) {
    TextBox& box = state_.boxes.at(kQ6PrizeBox);
    verdict = prize_verdict(box.text(), Mode::Six, state_.count.value, result_);
    box = stripped(box.text(), "0123456789");
  }
  ctx.port.message(kPromptTitle, verdict);
}

}  // namespace tesvik
