#include "app/batch/batch_runner.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "app/app.h"
#include "app/batch/batch_port.h"
#include "app/batch/control_printer.h"
#include "app/batch/page_tool_commands.h"
#include "app/batch/script_line.h"
#include "support/text_escape.h"

namespace tesvik {

namespace {

// The network start-up against the configured servers; the ports are made
// on first use, so that scripts without `network` need none.
class BatchNetwork {
 public:
  BatchNetwork(const NoticeConfig& config, const NetworkPortsMaker& make_ports)
      : config_(config), make_ports_(make_ports) {}
  void run(App& app) {
    if (!ports_ && make_ports_) {
      ports_ = make_ports_(config_);
      app.attach_network(*ports_, config_);
    }
    app.run_network();
  }

 private:
  const NoticeConfig& config_;
  const NetworkPortsMaker& make_ports_;
  std::unique_ptr<NetworkPorts> ports_;
};

// Runs one command; the reason when it cannot run in the current state.
std::optional<std::string> run_command(const ScriptCommand& cmd, App& app, BatchPort& port, BatchNetwork& network,
                                       std::ostream& out) {
  switch (cmd.verb) {
    case Verb::Click: app.click(cmd.target()); break;
    case Verb::DoubleClick: app.double_click(cmd.target()); break;
    case Verb::Hover: app.hover(cmd.target()); break;
    case Verb::Set: app.set_text(cmd.target(), cmd.text); break;
    case Verb::Type: app.type_text(cmd.target(), cmd.text); break;
    case Verb::Select: {
      const auto rows = static_cast<long long>(app.panel().list_nei.rows.size());
      if (cmd.number < -1 || cmd.number >= rows)
        return "no row " + std::to_string(cmd.number) + " in List_nei (valid: -1.." + std::to_string(rows - 1) + ")";
      app.select_row(cmd.target(), cmd.number);
      break;
    }
    case Verb::Range:
      app.selector_of(cmd.target())->choose(std::to_string(cmd.number), std::to_string(cmd.high));
      break;
    case Verb::Scroll: app.scroll_viewer(cmd.number); break;
    case Verb::Clipboard: port.put_clipboard(cmd.text); break;
    case Verb::ClipboardLock: port.lock_clipboard(cmd.number); break;
    case Verb::Answer: port.answer_next(cmd.yes); break;
    case Verb::Wait: app.advance_time(cmd.number); break;
    case Verb::Close: app.close_request(); break;
    case Verb::Print: print_control(app, *cmd.control, cmd.index, out); break;
    case Verb::Network: network.run(app); break;
    case Verb::PrintNetwork: out << "network state=" << quote_text(app.network_state()) << '\n'; break;
  }
  return std::nullopt;
}

// A script saved with a UTF-8 byte-order mark (as Windows editors do)
// starts with it; it is no part of the first line.
void skip_byte_order_mark(std::string& line) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (line.starts_with(kMark)) line.erase(0, kMark.size());
}

// Runs the lines of `script` until the end, an error line or the end of the
// program; the error line's status, else 0.
int run_lines(std::istream& script, App& app, BatchPort& port, BatchNetwork& network, std::ostream& out,
              std::ostream& err) {
  std::string line;
  for (std::uint64_t number = 1; !app.ended() && out && std::getline(script, line); ++number) {
    if (number == 1) skip_byte_order_mark(line);
    if (!line.empty() && line.back() == '\r') line.pop_back();  // CR LF line ends
    if (skipped_line(line)) continue;
    if (auto tool = parse_page_tool(line)) {
      if (const auto* error = std::get_if<LineError>(&*tool)) {
        err << "error line " << number << ": " << error->reason << '\n';
        return 2;
      }
      run_page_tool(std::get<PageToolCommand>(*tool), app, out);
      continue;
    }
    auto parsed = parse_line(line);
    const auto* error = std::get_if<LineError>(&parsed);
    const std::optional<std::string> failure =
        error ? error->reason : run_command(std::get<ScriptCommand>(parsed), app, port, network, out);
    if (failure) {
      err << "error line " << number << ": " << *failure << '\n';
      return 2;
    }
  }
  if (script.bad()) {
    err << "cannot read the script\n";
    return 2;
  }
  return 0;
}

}  // namespace

int run_batch(std::istream& script, std::ostream& out, std::ostream& err, const NoticeConfig& notice,
              const NetworkPortsMaker& make_ports) {
  BatchNetwork network(notice, make_ports);  // outlives the App, which may hold its ports
  BatchPort port(out);
  App app(port);
  port.attach(app);
  app.start_without_window();
  const int status = run_lines(script, app, port, network, out, err);
  // Output that did not arrive (a closed standard output, a full disk) fails
  // the run, whatever the script did.
  if (!out.flush()) {
    err << "cannot write the output\n";
    return status == 0 ? 1 : status;
  }
  return status;
}

int run_batch_file(const char* path, std::ostream& out, std::ostream& err, const NoticeConfig& notice,
                   const NetworkPortsMaker& make_ports) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    err << "tesvik: cannot read " << path << ": it is a directory\n";
    return 2;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    err << "tesvik: cannot open " << path << '\n';
    return 2;
  }
  return run_batch(file, out, err, notice, make_ports);
}

}  // namespace tesvik
