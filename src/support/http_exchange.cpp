#include "support/http_exchange.h"

#include "support/url_escape.h"
#include "support/utf8.h"

namespace tesvik {

HttpRequest form_request(std::string_view mode, std::string url, std::string_view data, int timeout_ms) {
  HttpRequest r;
  r.url = std::move(url);
  r.timeout_ms = timeout_ms;
  r.body = "id=" + escape(data);
  if (mode == "GET") {
    r.method = "GET";
  } else {
    r.method = "POST";
    r.content_type = "application/x-www-form-urlencoded";
  }
  return r;
}

std::string_view without_utf8_bom(std::string_view body) {
  return body.starts_with("\xEF\xBB\xBF") ? body.substr(3) : body;
}

BodyCharset body_charset(std::string_view body) {
  return valid_utf8(without_utf8_bom(body)) ? BodyCharset::Utf8 : BodyCharset::Gb18030;
}

}  // namespace tesvik
