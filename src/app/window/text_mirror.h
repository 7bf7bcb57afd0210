#pragma once
// A condition box's text in the application (UTF-8, line breaks CR LF) kept
// equal to what its Qt document shows by replaying each change of the
// document on it: a typed key costs the same in a box of any length.

#include <cstddef>
#include <string>
#include <string_view>

class QTextDocument;

namespace tesvik {

// Replace `count` bytes at `at` by `with`.
struct TextSplice {
  std::size_t at = 0;
  std::size_t count = 0;
  std::string with;
};

class TextMirror {
 public:
  // The document was rewritten; `text` is the application's text for it.
  // The next change replays piecewise only if text is exactly what the
  // mirror makes of the document: line breaks CR LF, a no-break space a
  // space, an unpaired surrogate '?', all else as UTF-8.
  void restart(const QTextDocument& doc, std::string_view text);

  // The splice that turns `text` (the document's text before the change)
  // into the document's text now, for a change that QTextDocument reported
  // by contentsChange. A change that cannot be replayed piecewise gives the
  // whole text. The cost is that of the change and of the distance from the
  // previous change, never of the box's length.
  TextSplice change(const QTextDocument& doc, std::string_view text, int position, int removed, int added);

 private:
  TextSplice whole(const QTextDocument& doc, std::string_view text);

  bool matches_ = false;
  int length_ = 0;  // the document's length in positions after the last change
  // A position of the document and the byte of the text where it starts:
  // where the last change ended, so that typing walks no distance.
  int anchor_position_ = 0;
  std::size_t anchor_byte_ = 0;
};

}  // namespace tesvik
