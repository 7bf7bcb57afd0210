#pragma once
// Clipboard copy with retries: up to 100 attempts to place the text on the
// clipboard, letting pending events run before each; on success the tip
// window shows `tip`, after 100 failures an error message.

#include <string_view>

namespace tesvik {

class UserPort;

inline constexpr int kClipboardAttempts = 100;

// Returns true when the text was placed on the clipboard.
bool copy_to_clipboard(UserPort& port, std::string_view text, std::string_view tip);

}  // namespace tesvik
