#pragma once
// The compound lines of front six ("123/45/6/7/890/1"): per place the
// shorthand digits of the numbers allowed there. The box is read into lines
// for the run, and the page adds lines made on its button grid.

#include <optional>
#include <string>
#include <string_view>

#include "filter/compound_lines.h"

namespace tesvik {

// The compound lines of the box; nullopt when it holds none. Every line with
// a "/" whose parts after a leading "/" make at least seven fields is one
// compound, fields 1..6 for places 1..6. Throws std::length_error on a
// 101st compound, which fails the run.
std::optional<CompoundLines<6>> read_compounds_6x(std::string_view box);

// The box text after adding `line`: the box's earlier lines of more than 9
// characters (at most 99 of them), then the new line, each ending in CR LF.
std::string with_compound_line(std::string_view box, std::string_view line);

}  // namespace tesvik
