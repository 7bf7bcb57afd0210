#pragma once
// The user-visible effects of the App in the real window: Qt message boxes,
// the system clipboard, the tip window, the browser and the event loop.

#include "support/user_port.h"

namespace tesvik {

class MainWindow;

class QtPort : public UserPort {
 public:
  void attach(MainWindow* window) { window_ = window; }

  void message(std::string_view title, std::string_view text) override;
  bool question(std::string_view title, std::string_view text) override;
  bool write_clipboard(std::string_view text) override;
  std::optional<std::string> read_clipboard() override;
  void show_tip(std::string_view text) override;
  void show_progress(bool visible, int percent) override;
  bool open_link(std::string_view url) override;
  void pump() override;
  void title_changed(std::string_view title) override;
  void quit() override;
  std::optional<std::string> choose_file(FileDialog dialog, std::string_view page) override;

 private:
  MainWindow* window_ = nullptr;
};

}  // namespace tesvik
