#pragma once
// What the network start-up needs from the system: the check for another
// running copy, the settings store of the install identifier and HTTP.
// The Qt implementation lives in app/net; tests supply their own.

#include <functional>
#include <string>
#include <string_view>

#include "support/http_exchange.h"

namespace tesvik {

class NetworkPorts {
 public:
  virtual ~NetworkPorts() = default;
  // True when another copy of the program runs. From the first call on this
  // copy counts as running for the others; a failing check gives false.
  virtual bool another_instance_running() = 0;
  // The stored install identifier; empty when it is missing or unreadable.
  virtual std::string read_install_id() = 0;
  // False when it could not be stored.
  virtual bool save_install_id(std::string_view id) = 0;
  // Makes one exchange and hands `done` the body as UTF-8 text, or the empty
  // text on any failure, a status other than 200, a body larger than
  // kMaxBodyBytes or the end of the request's time-out. `done` runs exactly
  // once: within this call (a waiting implementation) or later from the
  // event loop.
  virtual void fetch(const HttpRequest& request, std::function<void(std::string)> done) = 0;
};

}  // namespace tesvik
