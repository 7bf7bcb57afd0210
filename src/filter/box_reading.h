#pragma once
// How a condition reads a box of its input: once per revision of the box,
// the reading then kept in the box for the runs that follow.

#include <string>
#include <string_view>
#include <type_traits>

#include "filter/box_text.h"
#include "filter/clean_items.h"
#include "filter/condition_input.h"

namespace tesvik {

// The reading of box `b` by read(std::string_view text) -> Result, the text
// taken as typed.
template <typename Read>
const auto& read_box(ConditionInput& in, std::size_t b, Read&& read) {
  using Result = std::invoke_result_t<Read&, std::string_view>;
  TextBox& box = *in.boxes.at(b);
  if (const Result* kept = box.reading<Result, std::decay_t<Read>>()) return *kept;
  return box.keep_reading<Result, std::decay_t<Read>>(read(std::string_view(box.text())));
}

// The reading of box `b` by read(std::string_view text) -> Result, the text
// cleaned to `allowed` first (clean_box). When the input writes back, a box
// that is not clean takes its cleaned text; otherwise the box stays as it is
// and a text that is not clean is read from a cleaned copy.
template <typename Read>
const auto& read_clean_box(ConditionInput& in, std::size_t b, std::string_view allowed, Read&& read) {
  using Result = std::invoke_result_t<Read&, std::string_view>;
  TextBox& box = *in.boxes.at(b);
  if (const Result* kept = box.reading<Result, std::decay_t<Read>>()) return *kept;
  if (is_clean(box.text(), allowed))
    return box.keep_reading<Result, std::decay_t<Read>>(read(std::string_view(box.text())));
  std::string clean = cleaned(box.text(), allowed);
  if (!in.writes_back) return box.keep_reading<Result, std::decay_t<Read>>(read(std::string_view(clean)));
  box = std::move(clean);
  return box.keep_reading<Result, std::decay_t<Read>>(read(std::string_view(box.text())));
}

// The reading of box `b` by read(const CleanItems&) -> Result: the items of
// the text as clean_box would leave it. When the input writes back, a box
// that is not clean takes its cleaned text first; otherwise the items are
// read from the text as typed in one pass, without a cleaned copy.
template <typename Read>
const auto& read_clean_items(ConditionInput& in, std::size_t b, std::string_view allowed, Read&& read) {
  using Result = std::invoke_result_t<Read&, const CleanItems&>;
  TextBox& box = *in.boxes.at(b);
  if (const Result* kept = box.reading<Result, std::decay_t<Read>>()) return *kept;
  if (in.writes_back && !is_clean(box.text(), allowed)) box = cleaned(box.text(), allowed);
  return box.keep_reading<Result, std::decay_t<Read>>(read(CleanItems(box.text(), allowed)));
}

}  // namespace tesvik
