#pragma once
// The user port of the browser edition: every effect goes to the page's host
// object (web/host_calls.h). The page's dialogs are synchronous (an alert, a
// confirm box), so a question returns its answer as on the desktop. The
// program's own waits (the tip's 600 ms, a delay) let the App's time pass at
// once, as the batch runner's do, while the page shows the tip for 600 ms of
// its own clock; a pass of the message loop runs the timers that are due on
// the browser's clock. File dialogs are the page's: a save becomes a
// download, a load reads a file that the user has uploaded.

#include "support/user_port.h"

namespace tesvik {
class App;
}

namespace tesvik::web {

class BrowserClock;

class WebPort : public UserPort {
 public:
  // The App and its clock, once they exist (both are built on this port).
  void attach(App& app, BrowserClock& clock) {
    app_ = &app;
    clock_ = &clock;
  }

  void message(std::string_view title, std::string_view text) override;
  bool question(std::string_view title, std::string_view text) override;
  bool write_clipboard(std::string_view text) override;
  std::optional<std::string> read_clipboard() override;
  void show_tip(std::string_view text) override;
  void show_progress(bool visible, int percent) override;
  bool open_link(std::string_view url) override;
  void pump() override;
  void pause(int ms) override;
  void title_changed(std::string_view title) override;
  void quit() override;
  std::optional<std::string> choose_file(FileDialog dialog, std::string_view page) override;
  bool write_file(const std::string& path, std::string_view bytes) override;
  std::variant<std::string, FileProblem> read_file(const std::string& path, std::size_t limit) override;

 private:
  App* app_ = nullptr;
  BrowserClock* clock_ = nullptr;
};

}  // namespace tesvik::web
