#pragma once
// The tolerance selector: two lists side by side ("N 至 M") from which the
// user chooses the range of counts that a condition allows. The program
// sets which values the lists offer and which range they show first; an
// engine only asks for the allowed counts.

#include <string>
#include <string_view>
#include <vector>

#include "filter/tolerance.h"

namespace tesvik {

class ToleranceSelector {
 public:
  // Counts above this are never allowed, whatever the lists show.
  static constexpr int kLargestCount = 99;

  // "a*b": both lists offer the integers a..b (none when a > b). The values
  // are leading numbers rounded to integers; a text without "*" is ignored.
  void set_items(std::string_view text);
  // The stored "a*b" of the last set_items.
  const std::string& items_text() const { return items_text_; }
  const std::vector<std::string>& items() const { return items_; }

  // "a*b": the lower list shows a and the upper list b. A text without "*" is ignored.
  void set_preselection(std::string_view text);
  const std::string& preselection_text() const { return preselection_text_; }

  // The user's choice in the two lists.
  void choose(std::string lower, std::string upper);
  const std::string& lower() const { return lower_; }
  const std::string& upper() const { return upper_; }

  // "lo<*>hi" sets the lists to the numeric values of lo and hi; a text without "<*>" is ignored.
  void set_range(std::string_view text);
  // "lo<*>hi" as the lists show it.
  std::string range_text() const { return lower_ + "<*>" + upper_; }

  // The counts k = 0..kLargestCount with lower <= k <= upper, the lists'
  // texts read as leading numbers (a text that is no number reads as 0). A
  // lower bound above the upper one allows no count.
  ToleranceRange allowed() const;

 private:
  std::string items_text_;
  std::string preselection_text_;
  std::vector<std::string> items_;
  std::string lower_;
  std::string upper_;
};

}  // namespace tesvik
