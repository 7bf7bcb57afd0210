#pragma once
// The multi-line condition box: a plain text edit whose paste inserts the
// clipboard's text as it is.

#include <QPlainTextEdit>

namespace tesvik {

class ConditionBoxWidget : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace tesvik
