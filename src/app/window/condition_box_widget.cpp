#include "app/window/condition_box_widget.h"

#include <QMimeData>
#include <QTextCursor>

#include "app/window/busy_cursor.h"

namespace tesvik {

// Pastes and drops insert the text at the cursor. The text edit's own
// insertion first builds a document of the whole text and then copies it
// in, which for 10 MB of lines takes seconds and hundreds of MB.
//
// A paste over the whole box empties the box in a step of its own (one undo
// step with the insertion): replacing it in one step keeps the document's
// record of its widest line, and a first pasted line narrower than that
// (a long typed line, say) makes it measure every pasted line anew.
void ConditionBoxWidget::insertFromMimeData(const QMimeData* source) {
  if (!source || isReadOnly()) return;
  const QString text = source->text();
  if (text.isEmpty()) return;
  // The box and the App take the text in one go, without a pause in which
  // the window could show that it works.
  const BusyCursor busy;
  if (text.size() >= BusyCursor::kLongText) BusyCursor::long_work();
  QTextCursor cursor = textCursor();
  const bool whole_box = cursor.hasSelection() && cursor.selectionStart() == 0 &&
                         cursor.selectionEnd() == document()->characterCount() - 1;
  if (whole_box) {
    cursor.removeSelectedText();
    cursor.joinPreviousEditBlock();
  } else {
    cursor.beginEditBlock();
  }
  cursor.insertText(text);
  cursor.endEditBlock();
  setTextCursor(cursor);
  ensureCursorVisible();
}

}  // namespace tesvik
