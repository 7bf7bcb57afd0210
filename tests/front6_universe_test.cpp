// The front-six universe, its lines and the reading of pasted lists and
// compound boxes.

#include <gtest/gtest.h>

#include <stdexcept>

#include "front6/compound_6x.h"
#include "front6/pasted_list.h"
#include "front6/universe_6x.h"

namespace tesvik {
namespace {

TEST(FrontSixUniverse, PicksInOrderAndTheIndexOfTheirNumbers) {
  const auto& facts = picks_6x();
  ASSERT_EQ(facts.size(), static_cast<std::size_t>(kPicks6) + 1);
  EXPECT_EQ(line_6x(1), "01 02 03 04 05 06");
  EXPECT_EQ(line_6x(2), "01 02 03 04 05 07");
  EXPECT_EQ(line_6x(5), "01 02 03 04 05 10");
  EXPECT_EQ(line_6x(6), "01 02 03 04 06 05");
  EXPECT_EQ(line_6x(kPicks6), "10 09 08 07 06 05");
  EXPECT_EQ(line_6x(kPicks6, ""), "100908070605");
  for (int i = 1; i <= kPicks6; ++i) {
    const auto& f = facts[static_cast<std::size_t>(i)];
    ASSERT_EQ(pick_6x_of({f.n[0], f.n[1], f.n[2], f.n[3], f.n[4], f.n[5]}), i);
    ASSERT_LT(f.sorted[0], f.sorted[5]);
  }
  EXPECT_EQ(pick_6x_of({1, 2, 3, 4, 5, 5}), 0);
  EXPECT_EQ(pick_6x_of({0, 2, 3, 4, 5, 6}), 0);
  EXPECT_EQ(pick_6x_of({1, 2, 3, 4, 5, 11}), 0);
}

TEST(FrontSixUniverse, PastedListsKeepDigitsAndBreaks) {
  const PastedList list = read_pasted_list(" 01 02 03 04 05 06\n\n00,02,03,04,05,06\r\n0102030405077  ");
  ASSERT_EQ(list.status, PasteStatus::Read);
  EXPECT_EQ(list.text, "010203040506\r\n\r\n000203040506\r\n0102030405077");
  EXPECT_EQ(std::count(list.picks.begin(), list.picks.end(), 1), 2);
  EXPECT_EQ(list.picks[1], 1);
  EXPECT_EQ(list.picks[2], 1);
  EXPECT_EQ(read_pasted_list("010203040506 xyz").status, PasteStatus::TooShort);
  EXPECT_EQ(read_pasted_list("99 02 03 04 05 06 hello").status, PasteStatus::BadNumber);
  EXPECT_EQ(read_pasted_list("ab 01020304050").status, PasteStatus::TooShort);  // 11 digits: nothing read
}

TEST(FrontSixUniverse, CompoundBoxesAndAddedLines) {
  EXPECT_FALSE(read_compounds_6x("1/2/3"));
  EXPECT_FALSE(read_compounds_6x("1/2/3/4/5"));
  const auto lines = read_compounds_6x("1 2/3/4/5/6/7\r\n12345\r\n/////");
  ASSERT_TRUE(lines);
  EXPECT_EQ(lines->size(), 2u);  // "/////" is a compound that allows nothing
  std::string full;
  for (int k = 0; k < 100; ++k) full += "1/2/3/4/5/6\r\n";
  EXPECT_EQ(read_compounds_6x(full)->size(), 100u);
  EXPECT_THROW(read_compounds_6x(full + "0/0/0/0/0/0"), std::length_error);
  EXPECT_EQ(with_compound_line("", "1/2/3/4/5/6"), "1/2/3/4/5/6\r\n");
}

}  // namespace
}  // namespace tesvik
