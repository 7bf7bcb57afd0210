#pragma once
// HTTP/1.1 exchanges on Qt's sockets, each bounded as a whole: by its
// time-out, by the size of its answer (the reader refuses a longer head or
// body as soon as it passes the limit, and the socket is read no faster than
// the reader takes it), and by at most three redirects to web addresses, a
// POST's only to its own server.

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "support/http_exchange.h"

class QObject;

namespace tesvik {

class HttpClient {
 public:
  static constexpr int kMaxRedirects = 3;

  HttpClient();
  // Exchanges still under way end without an answer.
  ~HttpClient();
  HttpClient(const HttpClient&) = delete;
  HttpClient& operator=(const HttpClient&) = delete;

  // Starts one exchange. `done` runs once: with the body of a 200 answer, or
  // nothing on any failure; later from the event loop, or at once when the
  // request cannot be made.
  void start(const HttpRequest& request, std::function<void(std::optional<std::string>)> done);

 private:
  struct Exchange;
  void connect_to(const std::shared_ptr<Exchange>& x);
  void read(const std::shared_ptr<Exchange>& x);
  void closed(const std::shared_ptr<Exchange>& x);
  void answered(const std::shared_ptr<Exchange>& x);
  void finish(std::shared_ptr<Exchange> x, bool ok);

  std::unique_ptr<QObject> root_;  // parent of every exchange's sockets and timer
  std::set<std::shared_ptr<Exchange>> pending_;
};

}  // namespace tesvik
