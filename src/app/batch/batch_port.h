#pragma once
// The user as a batch script sees it: every event the program shows is
// written as one output line; questions are answered as the script said.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "support/user_port.h"

namespace tesvik {

class App;

class BatchPort final : public UserPort {
 public:
  explicit BatchPort(std::ostream& out) : out_(out) {}

  // The application whose virtual time passes while the tip window shows.
  void attach(App& app) { app_ = &app; }
  // The answer to the next question only; later questions are answered yes.
  void answer_next(bool yes) { next_answer_ = yes; }
  // The next `attempts` clipboard writes or reads fail.
  void lock_clipboard(int attempts) { locked_attempts_ = attempts; }
  // Puts text on the clipboard as another program would: no output line.
  void put_clipboard(std::string text) { clipboard_ = std::move(text); }

  void message(std::string_view title, std::string_view text) override;
  bool question(std::string_view title, std::string_view text) override;
  bool write_clipboard(std::string_view text) override;
  std::optional<std::string> read_clipboard() override;
  void show_tip(std::string_view text) override;
  void show_progress(bool, int) override {}
  bool open_link(std::string_view url) override;
  void pump() override {}
  void pause(int ms) override;
  void title_changed(std::string_view title) override;
  void quit() override;

 private:
  // Consumes one locked attempt; true while the clipboard is held.
  bool clipboard_held();

  std::ostream& out_;
  App* app_ = nullptr;
  bool next_answer_ = true;
  int locked_attempts_ = 0;
  std::string clipboard_;
};

}  // namespace tesvik
