#pragma once
// Where the lines of a box text (CR LF line breaks) start, kept up to date
// edit by edit: an edit costs a pass over the line starts after it and a
// scan of the inserted bytes, never a scan of the whole text.

#include <cstddef>
#include <string_view>
#include <vector>

namespace tesvik {

class LineIndex {
 public:
  LineIndex() : starts_{0} {}
  void reset(std::string_view text);
  // `text` is the text after `removed` bytes at `at` were replaced by
  // `added` bytes. The edit neither starts nor ends inside a CR LF.
  void replace(std::string_view text, std::size_t at, std::size_t removed, std::size_t added);

  std::size_t count() const { return starts_.size(); }
  std::size_t start(std::size_t line) const { return starts_[line]; }
  // Where the line ends, before its CR LF.
  std::size_t end(std::size_t line) const { return line + 1 < starts_.size() ? starts_[line + 1] - 2 : size_; }
  // The line that holds byte `at` (the last line for the text's end).
  std::size_t line_of(std::size_t at) const;

 private:
  std::vector<std::size_t> starts_;
  std::size_t size_ = 0;
};

}  // namespace tesvik
