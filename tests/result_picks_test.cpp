// The copy text and the prize check of a result, alike for the four modes.

#include "filter/result_picks.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "front6/universe_6x.h"
#include "model/number_text.h"
#include "model/universe.h"

namespace tesvik {
namespace {

// The index of the pick a line "01 02 03" names in its mode's universe.
int pick_of_line(Mode mode, std::string_view line) {
  std::array<int, kPlaces6> numbers{};
  for (std::size_t p = 0; p * 3 < line.size(); ++p) numbers[p] = two_digit_number(line.data() + p * 3);
  return mode == Mode::Six ? pick_6x_of(numbers) : universe(mode).pick_of_numbers(numbers.data());
}

// A result of `mode` whose verdict marks `marked` as `removed` and every
// other pick the other way.
ConditionMatrix result_marking(Mode mode, const std::vector<std::string_view>& marked, bool removed) {
  ConditionMatrix m(picks_of(mode));
  const auto verdict = m.verdict();
  std::fill(verdict.begin() + 1, verdict.end(), removed ? 0 : 1);
  for (std::string_view line : marked) {
    const int pick = pick_of_line(mode, line);
    EXPECT_NE(pick, 0) << line;
    verdict[static_cast<std::size_t>(pick)] = removed ? 1 : 0;
  }
  return m;
}

struct CopyRow {
  Mode mode;
  std::vector<std::string_view> marked;  // in pick order
  bool removed;
  std::string_view sep;
  int third;
  std::string_view text;
};

TEST(ResultText, CopiesTakeTheMarkedPicksOfEveryModeInPickOrder) {
  const std::vector<std::string_view> four6 = {"01 02 03 04 05 06", "01 02 03 04 05 07", "05 04 03 02 01 06",
                                               "10 09 08 07 06 05"};
  const CopyRow rows[] = {
      {Mode::Three, {"01 02 03", "10 09 08"}, false, " ", 0, "01 02 03\r\n10 09 08"},
      {Mode::Three, {"03 01 02"}, true, "", 0, "030102"},
      {Mode::Four, {"01 02 03 04", "10 09 08 07"}, false, ",", 0, "01,02,03,04\r\n10,09,08,07"},
      {Mode::Five, {"02 04 06 08 10"}, true, " ", 0, "02 04 06 08 10"},
      {Mode::Five, {}, false, " ", 0, ""},
      {Mode::Six, four6, false, " ", 0,
       "01 02 03 04 05 06\r\n01 02 03 04 05 07\r\n05 04 03 02 01 06\r\n10 09 08 07 06 05"},
      {Mode::Six, four6, false, " ", 1, "01 02 03 04 05 06\r\n10 09 08 07 06 05"},
      {Mode::Six, four6, false, ",", 2, "01,02,03,04,05,07"},
      {Mode::Six, four6, true, "", 3, "050403020106"},
      {Mode::Six, {"01 02 03 04 05 06", "01 02 03 04 05 07"}, false, " ", 3, ""},
  };
  for (const CopyRow& r : rows) {
    SCOPED_TRACE(std::string(page_name(r.mode)) + " third " + std::to_string(r.third));
    EXPECT_EQ(picks_text(result_marking(r.mode, r.marked, r.removed), r.mode, r.sep, r.removed, r.third), r.text);
  }
}

struct PrizeRow {
  Mode mode;
  std::string_view kept;  // the one kept pick
  std::string_view typed;
  int shown_count;
  std::string_view verdict;
};

TEST(ResultText, PrizeChecksAnswerInTheTextsOfTheirMode) {
  const PrizeRow rows[] = {
      {Mode::Three, "03 08 10", "10", 1, "输入奖号格式不对，请检查"},
      {Mode::Three, "03 08 10", "380", 0, "大底为空，请先过滤"},
      {Mode::Three, "03 08 10", "3 8,0", 1, "恭喜，找到号码！"},
      {Mode::Three, "03 08 10", "830", 1, "没有找到"},
      {Mode::Three, "03 08 10", "112", 1, "没有找到"},
      {Mode::Four, "01 02 03 04", "12345", 1, "输入奖号格式不对，请检查"},
      {Mode::Four, "01 02 03 04", "1234", 1, "恭喜，找到号码！"},
      {Mode::Four, "01 02 03 04", "1123", 1, "没有找到"},
      {Mode::Five, "10 09 08 07 06", "0987", 1, "输入奖号格式不对，请检查"},
      {Mode::Five, "10 09 08 07 06", "09876", 1, "恭喜，找到号码！"},
      {Mode::Five, "10 09 08 07 06", "09875", 1, "没有找到"},
      {Mode::Six, "01 02 10 08 05 03", "12085", 1, "输入必须6位数字"},
      {Mode::Six, "01 02 10 08 05 03", "1 2 0,8 5 3", 1, "恭喜，找到奖号"},
      {Mode::Six, "01 02 10 08 05 03", "120853", 0, "恭喜，找到奖号"},  // no refusal of an empty count
      {Mode::Six, "01 02 10 08 05 03", "123456", 1, "遗憾，没有找到奖号"},
      {Mode::Six, "01 02 10 08 05 03", "112345", 1, "遗憾，没有找到奖号"},
  };
  for (const PrizeRow& r : rows) {
    SCOPED_TRACE(std::string(page_name(r.mode)) + " " + std::string(r.typed));
    EXPECT_EQ(prize_verdict(r.typed, r.mode, r.shown_count, result_marking(r.mode, {r.kept}, false)), r.verdict);
  }
}

}  // namespace
}  // namespace tesvik
