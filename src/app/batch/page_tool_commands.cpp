#include "app/batch/page_tool_commands.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "app/app.h"
#include "support/text.h"
#include "support/text_escape.h"

namespace tesvik {

namespace {

struct ToolWord {
  std::string_view word;
  PageTool tool;
};

constexpr std::array<ToolWord, 4> kTools = {{{"scheme-save", PageTool::SchemeSave},
                                             {"scheme-load", PageTool::SchemeLoad},
                                             {"export", PageTool::Export},
                                             {"history", PageTool::History}}};

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

void write_report(const HistoryReport& report, std::ostream& out) {
  for (const HistoryLine& l : report.lines) {
    if (!l.readable) {
      out << "unreadable " << l.line << ' ' << quote_text(l.text) << '\n';
      continue;
    }
    out << "draw " << l.line << ' ' << quote_text(l.text) << (l.kept ? " kept" : " removed");
    for (std::string_view name : l.failed) out << ' ' << quote_text(name);
    out << '\n';
  }
  out << "history draws=" << report.draws << " kept=" << report.kept << " unreadable=" << report.unreadable << '\n';
  for (std::size_t c = 0; c < report.conditions.size(); ++c)
    out << "condition " << quote_text(report.conditions[c].name) << " failed=" << report.condition_failures[c] << '\n';
}

}  // namespace

std::optional<std::variant<PageToolCommand, LineError>> parse_page_tool(std::string_view line) {
  std::string_view rest = line;
  const std::string_view word = next_word(rest);
  const auto* tool = std::find_if(kTools.begin(), kTools.end(), [&](const ToolWord& t) { return t.word == word; });
  if (tool == kTools.end()) return std::nullopt;
  const std::string_view mode = next_word(rest);
  if (mode.size() != 1 || mode[0] < '3' || mode[0] > '6')
    return LineError{"MODE is 3, 4, 5 or 6, not " + quote_text(mode)};
  const std::string_view quoted = trimmed(rest);
  if (quoted.empty()) return LineError{std::string(word) + " needs TEXT after MODE"};
  auto text = unquote_text(quoted);
  if (const auto* error = std::get_if<TextError>(&text)) return LineError{"bad TEXT: " + error->reason};
  return PageToolCommand{tool->tool, static_cast<Mode>(mode[0] - '3'), std::move(std::get<std::string>(text))};
}

void run_page_tool(const PageToolCommand& cmd, App& app, std::ostream& out) {
  switch (cmd.tool) {
    case PageTool::SchemeSave: app.save_scheme(cmd.mode, cmd.text); break;
    case PageTool::SchemeLoad: app.load_scheme(cmd.mode, cmd.text); break;
    case PageTool::Export: app.export_picks(cmd.mode, cmd.text); break;
    case PageTool::History:
      if (const std::optional<HistoryReport> report = app.check_history(cmd.mode, cmd.text)) write_report(*report, out);
      break;
  }
}

}  // namespace tesvik
