// The one-pass reading of a box's items against cleaning the text first
// and splitting the cleaned copy: the same items, the same count taken and
// the same cleaned size, on chosen edges and on many random texts.

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "filter/box_reading.h"
#include "filter/box_text.h"
#include "filter/clean_items.h"

namespace tesvik {
namespace {

constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();

struct Items {
  std::vector<std::string> items;
  std::size_t taken;
};

Items one_pass(std::string_view text, std::string_view allowed, std::size_t length, std::size_t cap) {
  Items r;
  r.taken = CleanItems(text, allowed).for_each(length, cap, [&](std::string_view item) { r.items.emplace_back(item); });
  return r;
}

Items clean_then_split(std::string_view text, std::string_view allowed, std::size_t length, std::size_t cap) {
  Items r;
  r.taken =
      for_each_item(cleaned(text, allowed), length, cap, [&](std::string_view item) { r.items.emplace_back(item); });
  return r;
}

// Every reading the one pass offers must agree with the cleaned copy.
void expect_same_reading(std::string_view text, std::string_view allowed) {
  const std::string clean = cleaned(text, allowed);
  const CleanItems items(text, allowed);
  for (std::size_t n = 0; n <= clean.size() + 2; ++n)
    EXPECT_EQ(items.shorter_than(n), clean.size() < n) << "size " << n << " of \"" << clean << "\"";
  for (std::size_t length = 1; length <= 7; ++length)
    for (const std::size_t cap : {std::size_t{0}, std::size_t{1}, std::size_t{3}, kAll}) {
      const Items a = one_pass(text, allowed, length, cap), b = clean_then_split(text, allowed, length, cap);
      EXPECT_EQ(a.items, b.items) << "length " << length << " cap " << cap << " of \"" << clean << "\"";
      EXPECT_EQ(a.taken, b.taken);
    }
}

TEST(CleanItems, ReadsTheEdgesOfCleaningAsTheCleanedCopy) {
  struct Row {
    std::string text;
    std::size_t cleaned_size;
  };
  const std::string e = "\xC3\xA9";          // two bytes, one character
  const std::string zhong = "\xE4\xB8\xAD";  // three bytes
  const std::vector<Row> rows = {
      {"", 0},
      {"   ", 0},
      {"12 34", 5},
      {"12  34", 5},    // two blanks become one
      {"12   34", 6},   // three become two, which leaves an empty item
      {"12    34", 6},  // four become two
      {"  12 34  ", 5},
      {"12\t34\r\n56", 8},  // a tab is a blank, CR LF two
      {"12ab34", 5},
      {"12" + e + "34", 5},          // a two-byte character is one blank
      {"12" + e + e + e + "34", 6},  // three characters, not six bytes
      {"12" + zhong + " 34", 5},     // with a blank: two, which become one
      {"12\xC3\xA9\xA9\xA9\xA9"
       "34",
       5},                   // stray continuation bytes join their character
      {"12\x80\x80 34", 5},  // a continuation byte after ASCII starts a character
      {"12\xC3\xC3\xC3"
       "34",
       6},  // lead bytes without continuation: one each
      {e + "123456" + e, 6},
      {"1*3*5* ******", 13},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(cleaned(row.text, "0123456789*").size(), row.cleaned_size);
    expect_same_reading(row.text, "0123456789*");
    expect_same_reading(row.text, "01");
  }
}

TEST(CleanItems, ReadsRandomTextsAsTheCleanedCopy) {
  // Pieces drawn at random: shorthand digits and '*', blank runs of one to
  // four, tabs, line breaks, letters, UTF-8 characters and stray bytes.
  const std::array<std::string, 20> pieces = {
      "0",    "1",   "2",    "5", "9", "*", " ",        "  ",           "   ",
      "    ", "\t",  "\r\n", "a", "Z", ",", "\xC3\xA9", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80",
      "\x80", "\xC3"};
  const std::array<std::string_view, 4> allowed = {"0123456789*", "0123456789", "01", "012"};
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1), count(0, 40);
  std::bernoulli_distribution digits_mostly(0.6);
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (std::size_t n = count(rng); n > 0; --n) text += pieces[digits_mostly(rng) ? piece(rng) % 6 : piece(rng)];
    SCOPED_TRACE(text);
    expect_same_reading(text, allowed[static_cast<std::size_t>(round) % allowed.size()]);
  }
}

TEST(CleanItems, BoxTakesItsCleanedTextOnlyWhenTheInputWritesBack) {
  TextBox box("12,34  x");
  ConditionInput in;
  in.boxes.push_back(&box);
  const auto items = [](const CleanItems& text) {
    std::string read;
    text.for_each(2, kAll, [&](std::string_view item) { read += item; });
    return read;
  };
  EXPECT_EQ(read_clean_items(in, 0, "0123456789", items), "1234");
  EXPECT_EQ(box, "12,34  x");
  in.writes_back = true;
  box = "56,78  x";
  EXPECT_EQ(read_clean_items(in, 0, "0123456789", items), "5678");
  EXPECT_EQ(box, "56 78");
}

}  // namespace
}  // namespace tesvik
