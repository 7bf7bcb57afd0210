#pragma once
// Conditions on the text boxes of the condition pages: the exact-pick and
// base lists of front four and five, the combination boxes, the compound
// lines and the positional boxes. Each cleans the boxes it reads and writes the cleaned text back.

#include "filter/condition_input.h"

namespace tesvik {

// How a combination box reads its items of `length` shorthand digits.
struct CombinationRule {
  int length;        // digits per item: 2 to 5
  int cap;           // items taken at most
  bool as_sets;      // an item counts once however often it is entered, and one
                     // that repeats a number never hits; otherwise items count
                     // with repetition and "11" asks only for 01
  bool needs_items;  // no pass when the box yields no item
};
inline constexpr CombinationRule kPairs4x{2, 100000, false, false};
inline constexpr CombinationRule kTriples4x{3, 100000, false, false};
inline constexpr CombinationRule kPairs5x{2, 100000, false, true};
inline constexpr CombinationRule kTriples5x{3, 100000, false, true};
inline constexpr CombinationRule kQuads5x{4, 99999, true, true};
inline constexpr CombinationRule kPairs6x{2, 99999, true, true};
inline constexpr CombinationRule kTriples6x{3, 99999, true, true};
inline constexpr CombinationRule kQuads6x{4, 99999, true, true};
inline constexpr CombinationRule kQuints6x{5, 99999, true, true};

// 杀2码组合 / 杀3码组合 / 杀4码组合: a pick counts the items all of whose numbers it contains.
template <int P, CombinationRule R>
void kill_combination(ConditionInput& in, ConditionMatrix& m, int column);

// 杀直选 and 大底 lists: lines of P numbers; the text must be longer than
// `LongerThan` characters (commas read as blanks, blank runs as one).
template <int P, int LongerThan>
void kill_exact_list(ConditionInput& in, ConditionMatrix& m, int column);
template <int P, int LongerThan>
void base_list(ConditionInput& in, ConditionMatrix& m, int column);

// 杀垃圾复式 / 排除前五复式: lines "01.03./02./..", one part per place; a pick
// counts the lines whose every part names its number of that place.
// `NeedsEntries`: no pass when no line is an entry.
template <int P, bool NeedsEntries>
void kill_junk_compound(ConditionInput& in, ConditionMatrix& m, int column);

// Positional boxes (定位2码, 定位杀2码, 定位杀组合): each box names the places
// of its label ("A*C*", "[定]AB") and holds shorthand items of those places
// ("12 035"). A box is used when its text, written out in two-digit numbers,
// is longer than 2k-1 characters for k places. A pick counts the used boxes
// that name its numbers of the box's places (CountNamed) or that do not.
template <int P, bool CountNamed>
void position_boxes(ConditionInput& in, ConditionMatrix& m, int column);

}  // namespace tesvik
