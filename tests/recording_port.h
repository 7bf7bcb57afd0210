#pragma once
// A UserPort that records every effect as a line and answers from scripted values.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "support/user_port.h"

namespace tesvik::testing {

class RecordingPort : public UserPort {
 public:
  std::vector<std::string> events;
  std::string clipboard;
  int clipboard_locks = 0;  // the next N clipboard attempts fail
  int clipboard_attempts = 0;
  std::deque<bool> answers;  // answers of the next questions; yes when empty
  bool browser_works = true;
  bool progress_visible = false;
  int progress_percent = 0;

  void message(std::string_view title, std::string_view text) override {
    events.push_back("message " + std::string(title) + " " + std::string(text));
  }
  bool question(std::string_view title, std::string_view text) override {
    const bool yes = answers.empty() || answers.front();
    if (!answers.empty()) answers.pop_front();
    events.push_back("question " + std::string(title) + " " + std::string(text) + (yes ? " -> yes" : " -> no"));
    return yes;
  }
  bool write_clipboard(std::string_view text) override {
    ++clipboard_attempts;
    if (clipboard_locks > 0) {
      --clipboard_locks;
      return false;
    }
    clipboard = text;
    events.push_back("clipboard " + clipboard);
    return true;
  }
  std::optional<std::string> read_clipboard() override {
    ++clipboard_attempts;
    if (clipboard_locks > 0) {
      --clipboard_locks;
      return std::nullopt;
    }
    return clipboard;
  }
  void show_tip(std::string_view text) override { events.push_back("tip " + std::string(text)); }
  void show_progress(bool visible, int percent) override {
    progress_visible = visible;
    progress_percent = percent;
  }
  bool open_link(std::string_view url) override {
    if (browser_works) events.push_back("open " + std::string(url));
    return browser_works;
  }
  void pump() override {}
  void title_changed(std::string_view title) override { events.push_back("title " + std::string(title)); }
  void quit() override { events.push_back("quit"); }
  // File dialogs answer with the next chosen path (nullopt: cancelled); none left cancels.
  std::deque<std::optional<std::string>> chosen_files;
  std::optional<std::string> choose_file(FileDialog, std::string_view) override {
    if (chosen_files.empty()) return std::nullopt;
    std::optional<std::string> file = chosen_files.front();
    chosen_files.pop_front();
    return file;
  }
  bool write_file(const std::string& path, std::string_view bytes) override {
    const bool written = UserPort::write_file(path, bytes);
    events.push_back("write " + path + (written ? "" : " failed"));
    return written;
  }
};

}  // namespace tesvik::testing
