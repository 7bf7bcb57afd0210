// The links handed to the browser: http(s) URLs with a host, nothing else.

#include <gtest/gtest.h>

#include "support/web_link.h"

namespace tesvik {
namespace {

TEST(WebLink, OnlyHttpUrlsWithAHostAndNoBlanks) {
  const struct {
    const char* url;
    bool opened;
  } rows[] = {
      {"http://a.test/", true},
      {"HTTPS://a.test", true},
      {"http://a.test/x[*]y?q=1#f", true},
      {"https://user:pw@a.test:8080/p", true},
      {"http://[::1]:80/", true},
      {"http://例子.测试/路径", true},
      {"http://", false},
      {"http:///etc/passwd", false},
      {"http://:80/", false},
      {"http://a.test:port/", false},
      {"http://a.test:99999/", false},
      {"http://[::1/", false},
      {"http://x\r\nfile:///etc/passwd", false},
      {"http://a.test/ b", false},
      {"http://a.test/\t", false},
      {"http://a.test/\xE3\x80\x80", false},  // an ideographic blank
      {"http://a.test/\xFF", false},
      {"http://a.test\\@evil.test/", false},
      {"file:///etc/passwd", false},
      {"calc.exe", false},
      {"javascript:alert(1)", false},
      {"", false},
  };
  for (const auto& row : rows) EXPECT_EQ(is_web_link(row.url), row.opened) << row.url;
}

}  // namespace
}  // namespace tesvik
