#pragma once
// The batch commands of the page tools: scheme-save, scheme-load, export
// and history, each with the page's MODE (3..6) and a TEXT.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "app/batch/script_line.h"
#include "model/mode.h"

namespace tesvik {

class App;

enum class PageTool { SchemeSave, SchemeLoad, Export, History };

struct PageToolCommand {
  PageTool tool = PageTool::History;
  Mode mode = Mode::Three;
  std::string text;  // FILE, or the draws of history
};

// nullopt when the line is no page-tool command; else the command or why it cannot be read.
std::optional<std::variant<PageToolCommand, LineError>> parse_page_tool(std::string_view line);

// Runs the command; history writes its report to `out`.
void run_page_tool(const PageToolCommand& cmd, App& app, std::ostream& out);

}  // namespace tesvik
