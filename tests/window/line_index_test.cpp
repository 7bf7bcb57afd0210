// The line starts kept edit by edit are those of the edited text.

#include "app/window/line_index.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tesvik {
namespace {

std::vector<std::size_t> starts(const LineIndex& index) {
  std::vector<std::size_t> out;
  for (std::size_t line = 0; line < index.count(); ++line) out.push_back(index.start(line));
  return out;
}

TEST(LineIndex, LinesEndBeforeTheirCrLf) {
  LineIndex index;
  index.reset("ab\r\n\r\ncd");
  EXPECT_EQ(starts(index), (std::vector<std::size_t>{0, 4, 6}));
  EXPECT_EQ(index.end(0), 2u);
  EXPECT_EQ(index.end(1), 4u);
  EXPECT_EQ(index.end(2), 8u);
  EXPECT_EQ(index.line_of(3), 0u);
  EXPECT_EQ(index.line_of(4), 1u);
  EXPECT_EQ(index.line_of(8), 2u);
}

TEST(LineIndex, RandomEditsKeepTheStartsOfTheText) {
  const std::vector<std::string> pieces{"", "1", "\r\n", "12 34\r\n", "\r\n\r\n", "数\r\n5"};
  std::mt19937 random(7);
  const auto pick = [&random](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  // Cuts fall between whole pieces, never inside a CR LF.
  std::vector<std::string> text_pieces;
  std::string text;
  LineIndex index;
  for (int step = 0; step < 2000; ++step) {
    const std::size_t from = pick(text_pieces.size() + 1);
    const std::size_t to = std::min(text_pieces.size(), from + pick(4));
    std::size_t at = 0, removed = 0;
    for (std::size_t k = 0; k < from; ++k) at += text_pieces[k].size();
    for (std::size_t k = from; k < to; ++k) removed += text_pieces[k].size();
    const std::string& with = pieces[pick(pieces.size())];
    text_pieces.erase(text_pieces.begin() + static_cast<long>(from), text_pieces.begin() + static_cast<long>(to));
    text_pieces.insert(text_pieces.begin() + static_cast<long>(from), with);
    text.replace(at, removed, with);
    index.replace(text, at, removed, with.size());
    LineIndex fresh;
    fresh.reset(text);
    ASSERT_EQ(starts(index), starts(fresh)) << "after step " << step;
    ASSERT_EQ(index.end(index.count() - 1), text.size());
  }
}

}  // namespace
}  // namespace tesvik
