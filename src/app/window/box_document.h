#pragma once
// The text of an editable condition box: the box text (UTF-8, CR LF line
// breaks), its line starts and its undo history, with every edit told as a
// splice of the application's text. The application's text is the box's
// except where the box could not keep it as it was (a lone CR or LF, a
// no-break space, a malformed byte): the first edit after such a text then
// hands the application the box's whole text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/window/edit_history.h"
#include "app/window/line_index.h"

namespace tesvik {

// `count` bytes at `at` of the application's text became `with`, a view
// into the box's text that holds until its next change.
struct BoxSplice {
  std::size_t at = 0;
  std::size_t count = 0;
  std::string_view with;
};

// An edit of the box: the splice for the application, and where the
// inserted text lies in the box's text now.
struct BoxChange {
  BoxSplice splice;
  std::size_t from = 0;
  std::size_t to = 0;
};

class BoxDocument {
 public:
  // Takes the application's text; the history starts anew.
  void reset(std::string_view text);
  const std::string& text() const { return text_; }
  const LineIndex& lines() const { return lines_; }

  // Replaces `count` bytes at `at` by `with` (box text) as one undo step;
  // typing joins the step of the typing before it. A text that replaces the
  // whole text is taken over, not copied.
  BoxChange replace(std::size_t at, std::size_t count, std::string with, bool typed);
  std::optional<BoxChange> undo();
  std::optional<BoxChange> redo();
  bool can_undo() const { return history_.can_undo(); }
  bool can_redo() const { return history_.can_redo(); }

  // Positions: a CR LF and a UTF-8 sequence are one step.
  std::size_t next(std::size_t at) const;
  std::size_t previous(std::size_t at) const;
  // `at` in the text, moved back to the start of its character.
  std::size_t snap(std::size_t at) const;
  // The start of the next word after `at` and of the word before it; words
  // are separated by blanks and line breaks.
  std::size_t next_word(std::size_t at) const;
  std::size_t previous_word(std::size_t at) const;

 private:
  BoxChange apply(std::size_t at, std::size_t count, std::string with);
  bool blank(std::size_t at) const;

  std::string text_;
  LineIndex lines_;
  EditHistory history_;
  bool differs_ = false;      // the application's text is not text_
  std::size_t app_size_ = 0;  // the length of the application's text then
};

}  // namespace tesvik
