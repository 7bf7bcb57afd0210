#include "support/clipboard_copy.h"

#include "support/user_port.h"

namespace tesvik {

bool copy_to_clipboard(UserPort& port, std::string_view text, std::string_view tip) {
  for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
    port.pump();
    if (port.write_clipboard(text)) {
      port.show_tip(tip);
      return true;
    }
  }
  port.message("错误提示", "本次复制出现错误，请再次复制！");
  return false;
}

}  // namespace tesvik
