#include <gtest/gtest.h>

#include <string>

#include "support/text_escape.h"

namespace tesvik {
namespace {

std::string unquoted(std::string_view quoted) {
  auto r = unquote_text(quoted);
  if (const auto* e = std::get_if<TextError>(&r)) return "error: " + e->reason;
  return std::get<std::string>(r);
}

TEST(QuoteText, EscapesQuotesBackslashesAndControlBytesOnly) {
  EXPECT_EQ(quote_text(""), "\"\"");
  EXPECT_EQ(quote_text("a\"b\\c"), R"("a\"b\\c")");
  EXPECT_EQ(quote_text("01\r\n02\tx"), R"("01\r\n02\tx")");
  EXPECT_EQ(quote_text(std::string("\0\x01\x1f\x7f", 4)), R"("\u0000\u0001\u001f\u007f")");
  EXPECT_EQ(quote_text("复制成功 é ~"), "\"复制成功 é ~\"");
  EXPECT_EQ(quote_text("\xff\x80"), "\"\xff\x80\"");  // not UTF-8: still written as the bytes
}

TEST(UnquoteText, ReadsEveryEscape) {
  EXPECT_EQ(unquoted(R"("")"), "");
  EXPECT_EQ(unquoted(R"("a\"b\\c\r\n\t")"), "a\"b\\c\r\n\t");
  EXPECT_EQ(unquoted(R"("\u0041\u00e9\u00E9\u20ac")"), "Aéé€");
  EXPECT_EQ(unquoted(R"("\u0000")"), std::string(1, '\0'));
  EXPECT_EQ(unquoted(R"("\ud83d\uDE00!")"), "😀!");
  EXPECT_EQ(unquoted("\"a b\tc\x01\xc3\xa9\""), "a b\tc\x01é");  // raw bytes stand for themselves
}

TEST(UnquoteText, RejectsMalformedText) {
  for (const char* bad : {"",
                          "abc",
                          " \"a\"",
                          "\"abc",
                          "\"abc\\\"",
                          "\"abc\\",
                          "\"a\"b",
                          "\"a\" \"b\"",
                          "\"a\"\"",
                          "\"\\x\"",
                          "\"\\U0041\"",
                          "\"\\u004\"",
                          "\"\\u00g1\"",
                          "\"\\u12",
                          "\"\\uD800\"",
                          "\"\\uD800x\"",
                          "\"\\uD800\\u0041\"",
                          "\"\\uD800\\uD800\"",
                          "\"\\uDC00\"",
                          "\"\\uDE00\\uD83D\"",
                          "\"\xff\"",
                          "\"a\xc3\"",
                          "\"\xed\xa0\x80\"",
                          "\"\xc0\x80\""}) {
    EXPECT_TRUE(std::holds_alternative<TextError>(unquote_text(bad))) << bad;
  }
  EXPECT_EQ(unquoted("\"abc"), "error: missing closing quote");
  EXPECT_EQ(unquoted("\"a\"b"), "error: text after the closing quote");
}

TEST(QuoteText, RoundTripsEveryCharacter) {
  std::string all;
  for (int b = 0; b < 128; ++b) all += static_cast<char>(b);
  all += "\u00a0\u07ff\u0800\uffff\U00010000\U0010ffff";
  EXPECT_EQ(unquoted(quote_text(all)), all);
  const std::string mixed = "01 02\r\n\"前三\"\\\t\x7f😀";
  EXPECT_EQ(unquoted(quote_text(mixed)), mixed);
}

}  // namespace
}  // namespace tesvik
