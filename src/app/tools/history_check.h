#pragma once
// "历史验证": past draws checked against the last run of a page. Each draw's
// pick is looked up in the run's condition matrix, which tells whether it
// was kept and which conditions it failed; nothing is run again.

#include <string>
#include <string_view>
#include <vector>

#include "filter/condition_matrix.h"

namespace tesvik {

inline constexpr std::string_view kOutsideBase = "大底";
inline constexpr std::string_view kOverallRange = "总容错";

// A condition that took part in the run: its column and its name.
struct RunCondition {
  int column = 0;
  std::string_view name;
};

struct HistoryLine {
  int line = 0;
  bool readable = false;
  std::string text;  // an unreadable line as it stands; the pick line ("03 07 01") of a draw
  bool kept = false;
  // Conditions the pick failed, in column order, then kOutsideBase, or
  // kOverallRange for a removed pick that failed nothing inside the base list.
  std::vector<std::string_view> failed;
};

struct HistoryReport {
  std::vector<HistoryLine> lines;  // in the order of the text
  int draws = 0;
  int kept = 0;
  int unreadable = 0;
  std::vector<RunCondition> conditions;  // that took part in the run
  std::vector<int> condition_failures;   // draws that failed each of them
};

// Checks the draws of `text` (one per line) against the matrix of a run over
// the picks of `places` places whose conditions were `conditions`.
HistoryReport check_history(std::string_view text, int places, const ConditionMatrix& matrix,
                            const std::vector<RunCondition>& conditions);

}  // namespace tesvik
