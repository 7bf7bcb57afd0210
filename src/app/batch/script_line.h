#pragma once
// One line of a batch script read into a command.

#include <string>
#include <string_view>
#include <variant>

#include "app/batch/control_names.h"
#include "app/controls.h"

namespace tesvik {

enum class Verb {
  Click,
  DoubleClick,
  Hover,
  Set,
  Type,
  Select,
  Range,
  Scroll,
  Clipboard,
  ClipboardLock,
  Answer,
  Wait,
  Close,
  Print,
  Network,       // `network`: the network start-up runs
  PrintNetwork,  // `print network`
};

struct ScriptCommand {
  Verb verb = Verb::Close;
  const ControlName* control = nullptr;  // the control of click .. print
  int index = 0;                         // its INDEX, when it takes one
  int number = 0;                        // ROW of select, LO of range, V of scroll, N of clipboard-lock, MS of wait
  int high = 0;                          // HI of range
  bool yes = true;                       // answer yes / no
  std::string text;                      // TEXT of set, type and clipboard

  ControlRef target() const { return {control->ctl, index}; }
};

struct LineError {
  std::string reason;
};

// Blank lines and lines whose first non-blank character is '#'.
bool skipped_line(std::string_view line);

// The command of a line that is not skipped. Checks the words against the
// grammar and the control names only; whether a ROW exists depends on the
// application state and is checked when the command runs.
std::variant<ScriptCommand, LineError> parse_line(std::string_view line);

}  // namespace tesvik
