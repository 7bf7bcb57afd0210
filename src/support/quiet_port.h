#pragma once
// A UserPort that shows nothing and whose clipboard always accepts, for an
// App that no one sees: the benchmarks, the warm-up of src/app/warm_up.h and
// the pristine App whose controls give every page's initial state.

#include <string>

#include "support/user_port.h"

namespace tesvik {

class QuietPort : public UserPort {
 public:
  std::string clipboard;
  void message(std::string_view, std::string_view) override {}
  bool question(std::string_view, std::string_view) override { return true; }
  bool write_clipboard(std::string_view text) override {
    clipboard = text;
    return true;
  }
  std::optional<std::string> read_clipboard() override { return clipboard; }
  void show_tip(std::string_view) override {}
  void show_progress(bool, int) override {}
  bool open_link(std::string_view) override { return true; }
  void pump() override {}
  void title_changed(std::string_view) override {}
  void quit() override {}
};

}  // namespace tesvik
