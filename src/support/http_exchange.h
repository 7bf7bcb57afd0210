#pragma once
// One exchange with the notice server as the program makes it, apart from
// the HTTP stack that carries it: the request (method, header, body) and the
// rules that turn a response into text.

#include <cstddef>
#include <string>
#include <string_view>

namespace tesvik {

struct HttpRequest {
  std::string method;  // "GET" or "POST"
  std::string url;
  std::string content_type;  // empty: no Content-Type header
  std::string body;
  int timeout_ms = 0;  // bounds the whole exchange
};

// Mode "GET" gives a GET, any other mode a form POST. Both carry the body
// "id=" + the escaped data.
HttpRequest form_request(std::string_view mode, std::string url, std::string_view data, int timeout_ms);

// A larger response body fails the exchange, so that a server cannot make
// the program hold an unbounded answer.
inline constexpr std::size_t kMaxBodyBytes = std::size_t{1} << 20;

enum class BodyCharset { Utf8, Gb18030 };

// A body that is valid UTF-8 (after an optional byte-order mark) is read as
// UTF-8; anything else as GB18030, the superset of the GBK that the
// server's Chinese files are written in.
BodyCharset body_charset(std::string_view body);

// The body without a leading UTF-8 byte-order mark.
std::string_view without_utf8_bom(std::string_view body);

}  // namespace tesvik
