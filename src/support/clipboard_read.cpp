#include "support/clipboard_read.h"

#include "support/clipboard_copy.h"
#include "support/user_port.h"

namespace tesvik {

std::string read_from_clipboard(UserPort& port) {
  for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
    if (auto text = port.read_clipboard()) return std::move(*text);
    port.pump();
  }
  return {};
}

}  // namespace tesvik
