#pragma once
// Classifiers of a pick by run (consecutive numbers), slope (rising or
// falling through the places) and shape (peak or valley in the middle, N).
//
// Each classifier returns a short class text. Callers test whether the list
// of selected captions contains that text as a substring, so every class
// text is a substring of exactly one caption ("凹" in "凹型", "正" in "正N型")
// and the neutral class "无" occurs in no caption. 1 and 10 are not
// consecutive.

#include <string_view>

namespace tesvik {

// Run class of a front-three pick line ("03 01 02"): "3连", "2连" or "不连".
std::string_view run_class_3x(std::string_view pick_line);

// Run class of two-digit numbers separated by single blanks: "4连", "3连",
// "2连" or "不连"; empty text when key is not "连".
std::string_view run_class_4x(std::string_view text, std::string_view key);

// Run class of a front-five pick by its longest run: "5连" .. "2连" or
// "不连". An index outside 1..30240 gives "不连".
std::string_view run_class_5x(int pick_index);

// Front-four slope and shape. Key "山": "上山", "下山"; key "凹": "凹", "凸";
// key "N": "正", "反". Anything else, or an index outside 1..5040, is "无".
std::string_view slope_shape_4x(int pick_index, std::string_view key);

// Front-five slope and shape. Key "山": "上山", "下山"; key "形": "凹", "凸".
// Anything else, or an index outside 1..30240, is "无".
std::string_view slope_shape_5x(int pick_index, std::string_view key);

}  // namespace tesvik
