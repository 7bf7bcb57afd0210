#pragma once
// `tesvik --batch`: runs a script against the application state without a
// window and writes what a user would have seen.

#include <functional>
#include <iosfwd>
#include <memory>

#include "app/notice/notice_config.h"
#include "app/notice/notice_ports.h"

namespace tesvik {

// Makes the ports of the network start-up, once, at a script's first
// `network`. Without a maker the start-up runs as an offline build's does:
// "离线", nothing checked, stored or fetched. The main program supplies the
// maker, so that this library needs no network code of its own.
using NetworkPortsMaker = std::function<std::unique_ptr<NetworkPorts>(const NoticeConfig&)>;

// Runs every line of `script`; events go to `out`, an unreadable line to
// `err`. Returns the exit status: 0; 2 after an unreadable line or when the
// script cannot be read; 1 when `out` could not be written.
// `network` talks to the servers of `notice` through the ports of `make_ports`.
int run_batch(std::istream& script, std::ostream& out, std::ostream& err,
              const NoticeConfig& notice = notice_config(std::nullopt), const NetworkPortsMaker& make_ports = {});

// `--batch FILE`: the script in the file at path, as run_batch; 2 with a
// message on `err` when it is a directory or cannot be opened.
int run_batch_file(const char* path, std::ostream& out, std::ostream& err, const NoticeConfig& notice,
                   const NetworkPortsMaker& make_ports);

}  // namespace tesvik
