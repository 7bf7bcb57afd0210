// The page tools of the App: schemes saved and loaded, the kept picks
// exported to a file, and the history check of past draws.

#include <algorithm>
#include <variant>

#include "app/app.h"
#include "app/front_six/front6_page_table.h"
#include "app/pages/mode_table.h"
#include "app/pages/page_tables.h"
#include "app/pages/result_side.h"
#include "app/tools/page_scheme.h"

namespace tesvik {

namespace {

constexpr std::string_view kEmptyBase = "大底为空，请先过滤";

std::optional<std::string> chosen(UserPort& port, std::optional<std::string> file, FileDialog dialog, Mode mode) {
  if (!file) file = port.choose_file(dialog, page_name(mode));
  return file;
}

void write_failed(UserPort& port, const std::string& file) { port.message(kNoticeTitle, "文件写入失败：" + file); }

}  // namespace

void App::save_scheme(Mode mode, std::optional<std::string> file) {
  // Only a scheme that loads back is saved.
  const std::vector<SchemeEntry> entries = page_scheme(*this, mode);
  if (const auto problem = unloadable(mode, entries)) {
    port_.message(kNoticeTitle, "方案未保存：" + *problem);
    return;
  }
  file = chosen(port_, std::move(file), FileDialog::SaveScheme, mode);
  if (!file) return;
  if (!port_.write_file(*file, write_scheme(mode, entries))) return write_failed(port_, *file);
  port_.show_tip("方案已保存");
}

void App::load_scheme(Mode mode, std::optional<std::string> file) {
  file = chosen(port_, std::move(file), FileDialog::LoadScheme, mode);
  if (!file) return;
  auto bytes = port_.read_file(*file, kSchemeFileBytes);
  if (const FileProblem* problem = std::get_if<FileProblem>(&bytes)) {
    port_.message(kNoticeTitle, *problem == FileProblem::TooLarge ? scheme_error_text({0, "方案文件超过64MB"})
                                                                  : "文件读取失败：" + *file);
    return;
  }
  auto scheme = read_scheme(std::get<std::string>(bytes), mode);
  if (const SchemeError* error = std::get_if<SchemeError>(&scheme)) {
    port_.message(kNoticeTitle, scheme_error_text(*error));
    return;
  }
  apply_scheme(*this, mode, std::get<std::vector<SchemeEntry>>(scheme));
  port_.show_tip("方案已载入");
}

void App::export_picks(Mode mode, std::optional<std::string> file) {
  std::optional<std::string> text;
  if (mode == Mode::Six) {
    text = front6_.copy_text(kQ6CopyAll, port_);
  } else {
    PageContext ctx = page_context();
    text = copy_text(ctx, mode, false);
  }
  if (!text) return;
  file = chosen(port_, std::move(file), FileDialog::Export, mode);
  if (!file) return;
  if (!port_.write_file(*file, *text)) return write_failed(port_, *file);
  const auto lines = std::count(text->begin(), text->end(), '\n') + 1;
  port_.show_tip("已导出" + std::to_string(lines) + "注");
}

int App::kept_count(Mode mode) const {
  return mode == Mode::Six ? front6_.state().count.value
                           : pages_.panel().zhushu.at(static_cast<std::size_t>(mode_info(mode).result_list)).value;
}

std::vector<RunCondition> App::run_conditions(Mode mode) {
  std::vector<RunCondition> conditions;
  if (mode == Mode::Six) {
    const std::vector<int>& slots = front6_.result_slots();
    for (std::size_t s = 0; s < slots.size(); ++s)
      conditions.push_back({static_cast<int>(s) + 1, q6_steps()[static_cast<std::size_t>(slots[s])].feeds.name});
    return conditions;
  }
  const ConditionMatrix& matrix = pages_.engine().matrix(mode);
  for (const RunBlock& b : page_run(mode))
    if (matrix.column_used(b.feeds.column)) conditions.push_back({b.feeds.column, b.feeds.name});
  return conditions;
}

std::optional<HistoryReport> App::check_history(Mode mode, std::string_view draws) {
  const bool ran = mode == Mode::Six ? front6_.has_result() : true;
  if (!ran || kept_count(mode) == 0) {
    port_.message(kNoticeTitle, kEmptyBase);
    return std::nullopt;
  }
  const ConditionMatrix& matrix = mode == Mode::Six ? front6_.result() : pages_.engine().matrix(mode);
  return tesvik::check_history(draws, places_of(mode), matrix, run_conditions(mode));
}

}  // namespace tesvik
