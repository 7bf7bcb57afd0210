#pragma once
// Clipboard read with retries: while another program holds the clipboard,
// pending events run and the read is tried again, up to the same number of
// attempts as a copy; a clipboard that stays held reads as empty.

#include <string>

namespace tesvik {

class UserPort;

std::string read_from_clipboard(UserPort& port);

}  // namespace tesvik
