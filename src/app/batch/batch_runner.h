#pragma once
// `tesvik --batch`: runs a script against the application state without a
// window and writes what a user would have seen.

#include <iosfwd>

#include "app/notice_config.h"

namespace tesvik {

// Runs every line of `script`; events go to `out`, an unreadable line to
// `err`. Returns the exit status: 0; 2 after an unreadable line or when the
// script cannot be read; 1 when `out` could not be written.
// `network` talks to the servers of `notice`.
int run_batch(std::istream& script, std::ostream& out, std::ostream& err,
              const NoticeConfig& notice = notice_config(std::nullopt));

}  // namespace tesvik
