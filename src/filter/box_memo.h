#pragma once
// The last reading of a large text box, kept with the text it was read from,
// so that a rerun with that box unchanged (the common case when the player
// changes another condition) neither cleans nor parses it again. A reading
// is a pure function of the text, so the memo only saves work. Each
// condition routine holds its own memo; the program has one thread.

#include <string>
#include <utility>

namespace tesvik {

template <typename Result>
class BoxMemo {
 public:
  // Reads `box` with read(box) -> Result, which may clean the box in place;
  // for the same text as last time the cleaned text and the result come
  // from the memo instead.
  template <typename Read>
  const Result& read(std::string& box, Read&& read_box) {
    if (valid_ && box == input_) {
      if (!input_was_clean_) box = cleaned_;
      return result_;
    }
    valid_ = false;
    input_ = box;
    result_ = read_box(box);
    cleaned_ = box;
    input_was_clean_ = input_ == cleaned_;
    valid_ = true;
    return result_;
  }

 private:
  bool valid_ = false;
  std::string input_;    // the box text as the last reading found it
  std::string cleaned_;  // the box text it left
  bool input_was_clean_ = false;  // the reading left the text as it was: one comparison a rerun, not two
  Result result_{};
};

}  // namespace tesvik
