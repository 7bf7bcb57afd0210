// The plain rules of the network start-up: escaping, the request, the
// body's code page, reading the notice file and the configuration.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/notice/notice_config.h"
#include "support/http_exchange.h"
#include "support/notice_file.h"
#include "support/url_escape.h"

namespace tesvik {
namespace {

TEST(Escape, KeepsTheUnreservedSetAndEncodesByCodeUnit) {
  EXPECT_EQ(escape(std::string_view("-_.!~*'()azAZ09")), "-_.!~*'()azAZ09");
  EXPECT_EQ(escape(std::string_view(" =&+/%\x7F")), "%20%3D%26%2B%2F%25%7F");
  EXPECT_EQ(escape(std::string_view("")), "");
  // Below 255 two digits, from 255 on (and for units a signed reading makes negative) "%u" and four.
  EXPECT_EQ(escape(std::u16string_view(u"\u00E9\u00FE\u00FF\u4E2D\uFF01")), "%E9%FE%u00FF%u4E2D%uFF01");
  // UTF-8 is read into UTF-16 code units: a character beyond the basic plane is two surrogates.
  EXPECT_EQ(escape(std::string_view("中\xF0\x9F\x98\x80")), "%u4E2D%uD83D%uDE00");
  EXPECT_EQ(escape(std::string_view("\xC0\xAF"
                                    "a\xE4\xB8")),
            "%uFFFD%uFFFDa%uFFFD%uFFFD");
}

TEST(FormRequest, GetOrPostWithTheEscapedFieldInBoth) {
  const HttpRequest get = form_request("GET", "http://h/pk10.txt", "", 15000);
  EXPECT_EQ(get.method, "GET");
  EXPECT_EQ(get.body, "id=");
  EXPECT_EQ(get.content_type, "");
  for (const char* mode : {"POST", "POS", "get", ""}) {
    const HttpRequest post = form_request(mode, "http://h/ip.asp", "12 3", 25000);
    EXPECT_EQ(post.method, "POST") << mode;
    EXPECT_EQ(post.content_type, "application/x-www-form-urlencoded");
    EXPECT_EQ(post.body, "id=12%203");
    EXPECT_EQ(post.timeout_ms, 25000);
  }
}

TEST(BodyCharset, ValidUtf8IsUtf8AndAnythingElseGb18030) {
  EXPECT_EQ(body_charset("[ok] plain"), BodyCharset::Utf8);
  EXPECT_EQ(body_charset("\xEF\xBB\xBF[ok]中文"), BodyCharset::Utf8);
  EXPECT_EQ(without_utf8_bom("\xEF\xBB\xBF[ok]"), "[ok]");
  for (const char* gbk : {"\xD6\xD0\xCE\xC4",  // 中文 in GBK
                          "\xC1\xAA\xCD\xA8",  // lead bytes that UTF-8 never uses
                          "\xE4\xB8",          // a cut-off sequence
                          "\xED\xA0\x80",      // a surrogate
                          "\xF4\x90\x80\x80",  // past U+10FFFF
                          "\xE0\x80\xAF"})     // overlong
    EXPECT_EQ(body_charset(gbk), BodyCharset::Gb18030) << gbk;
}

TEST(NoticeFile, EntriesRunFromTheirFirstMarkerToTheNextOrTheEnd) {
  const std::string_view file = "x[ok][biaoti]Title[biaoti]y[biaoti]z[news]tail";
  EXPECT_TRUE(notice_valid(file));
  EXPECT_FALSE(notice_valid("[OK] [o k]"));
  EXPECT_EQ(notice_entry(file, "[biaoti]"), "Title");
  EXPECT_EQ(notice_entry(file, "[news]"), "tail");
  EXPECT_EQ(notice_entry(file, "[ad1]"), std::nullopt);
  EXPECT_EQ(notice_entry("[ad1][ad1]", "[ad1]"), "");
  const auto parts = split_caption_link("Caption[*]http://x/[*]y");
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->caption, "Caption");
  EXPECT_EQ(parts->link, "http://x/[*]y");
  EXPECT_FALSE(split_caption_link("no separator"));
}

TEST(NoticeFile, VersionsAreWholeNumbers) {
  EXPECT_EQ(notice_number("20200328"), 20200328.0);
  EXPECT_EQ(notice_number(" \r\n+2.02e7\t"), 20200000.0);
  EXPECT_EQ(notice_number("-1"), -1.0);
  for (const char* bad : {"", " ", "2020x", "inf", "nan", "0x10", "1 2", "--1"})
    EXPECT_EQ(notice_number(bad), std::nullopt) << bad;
}

TEST(NoticeConfig, OptionThenEnvironmentThenBuild) {
  NoticeConfig c;
  set_notice_servers(c, " http://a.test/x , http://b.test/ ");
  EXPECT_EQ(c.primary, "http://a.test/x/");
  EXPECT_EQ(c.secondary, "http://b.test/");
  set_notice_servers(c, "http://a.test/");
  EXPECT_EQ(c.secondary, "");
  EXPECT_TRUE(c.has_server());

  ::setenv(kNoticeServerVariable, "http://env.test/", 1);
  EXPECT_EQ(notice_config(std::nullopt).primary, "http://env.test/");
  EXPECT_EQ(notice_config(std::string("http://opt.test/")).primary, "http://opt.test/");
  EXPECT_FALSE(notice_config(std::string("")).has_server());  // an empty option works offline
  ::setenv(kNoticeServerVariable, "", 1);
  EXPECT_NE(notice_config(std::nullopt).primary, "http://env.test/");  // empty counts as unset
  ::unsetenv(kNoticeServerVariable);
}

TEST(NoticeConfig, TheOptionIsTakenOutOfTheArguments) {
  std::vector<std::string> words = {"tesvik", "--notice-server", "http://a/", "--batch", "--notice-server=http://b/,",
                                    "f"};
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  int argc = static_cast<int>(words.size());
  std::optional<std::string> value;
  ASSERT_TRUE(take_notice_server_option(argc, argv.data(), value));
  EXPECT_EQ(value, "http://b/,");
  ASSERT_EQ(argc, 3);
  EXPECT_EQ(std::string(argv[1]) + " " + argv[2], "--batch f");
  EXPECT_EQ(argv[3], nullptr);
  argc = 2;
  argv[1] = words[1].data();
  EXPECT_FALSE(take_notice_server_option(argc, argv.data(), value));
}

}  // namespace
}  // namespace tesvik
