#pragma once
// Classes of a pick by its numbers: the longest run of consecutive numbers,
// the slope (rising or falling through the places), the valley or peak in
// the middle and the N (zigzag) shape.
//
// Each class has a short text. Conditions test whether the list of selected
// captions contains that text as a substring, so every class text is a
// substring of exactly one caption ("凹" in "凹型", "正" in "正N型") and the
// neutral class "无" occurs in no caption. 1 and 10 are not consecutive.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tesvik {

using PickNumbers = std::span<const std::uint8_t>;

// Length of the longest run of consecutive numbers among the pick's numbers
// (1 when no two are consecutive).
int longest_run(PickNumbers numbers);

// "不连" for a longest run of 1, otherwise "2连" .. "6连".
std::string_view run_class_text(int longest_run);

enum class Slope : std::uint8_t { None, Up, Down };
// Up: every place above the one before it ("上山"); Down: every place below ("下山").
Slope slope_of(PickNumbers numbers);

enum class Shape : std::uint8_t { None, Valley, Peak };
// Valley ("凹"): falling to a middle place, then rising; Peak ("凸"): rising
// to a middle place, then falling. The middle place is place 2 of three,
// place 2 or 3 of four, place 3 of five.
Shape shape_of(PickNumbers numbers);

enum class Zigzag : std::uint8_t { None, Up, Down };
// Up ("正"): up, down, up ... from place 1; Down ("反"): down, up, down ...
Zigzag zigzag_of(PickNumbers numbers);

inline constexpr std::array<std::string_view, 3> kSlopeTexts = {"无", "上山", "下山"};
inline constexpr std::array<std::string_view, 3> kShapeTexts = {"无", "凹", "凸"};
inline constexpr std::array<std::string_view, 3> kZigzagTexts = {"无", "正", "反"};

}  // namespace tesvik
