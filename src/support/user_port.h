#pragma once
// Everything that reaches the user passes through this interface: the Qt
// window, the batch runner and the tests each implement it.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "support/file_io.h"

namespace tesvik {

// The file dialogs of the page tools.
enum class FileDialog { SaveScheme, LoadScheme, Export, OpenDraws };

class UserPort {
 public:
  virtual ~UserPort() = default;
  // Modal message box with an OK button.
  virtual void message(std::string_view title, std::string_view text) = 0;
  // Modal Yes/No box; true for Yes.
  virtual bool question(std::string_view title, std::string_view text) = 0;
  // One attempt to place plain text on the clipboard; false when it is busy.
  virtual bool write_clipboard(std::string_view text) = 0;
  // One attempt to read the clipboard's plain text; nullopt when it is busy.
  virtual std::optional<std::string> read_clipboard() = 0;
  // The tip window: shows text, closes itself after 600 ms, returns then.
  virtual void show_tip(std::string_view text) = 0;
  // The progress display changed (shown or hidden, bar at percent 0..100).
  virtual void show_progress(bool visible, int percent) = 0;
  // Hands an http or https link to the system's browser; false on failure.
  virtual bool open_link(std::string_view url) = 0;
  // One pass of the message loop: pending events and due timers run.
  virtual void pump() = 0;
  // A delay of the program: `ms` milliseconds pass while pending events and
  // due timers run. A port without a clock of its own makes one pass.
  virtual void pause(int /*ms*/) { pump(); }
  virtual void title_changed(std::string_view title) = 0;
  // The program ends.
  virtual void quit() = 0;
  // A file dialog on the page named `page` ("前三"): the chosen path, or
  // nullopt when the user cancels. A port without dialogs chooses nothing.
  virtual std::optional<std::string> choose_file(FileDialog /*dialog*/, std::string_view /*page*/) {
    return std::nullopt;
  }
  // A document the user chose: written whole or not at all, read whole up to `limit` bytes.
  virtual bool write_file(const std::string& path, std::string_view bytes) { return write_whole_file(path, bytes); }
  virtual std::variant<std::string, FileProblem> read_file(const std::string& path, std::size_t limit) {
    return read_whole_file(path, limit);
  }
};

}  // namespace tesvik
