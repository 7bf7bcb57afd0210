#pragma once
// The boxes that show a pasted pick list (front six's kill and base boxes).
// They draw only the lines on screen: a list of 151,200 lines costs one pass
// that finds its line starts and one screen of drawing, where a text edit
// would build a document of every line, hundreds of milliseconds and
// megabytes. They take no typing: the bindings refuse edits with the App's
// tip and hand a double click to the App, which empties the box.

#include <QAbstractScrollArea>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "app/controls.h"
#include "app/window/custom_view.h"

namespace tesvik {

// The drawing: the lines of a text from a first line on, no wrapping.
class PastedListBox : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit PastedListBox(QWidget* parent);
  // Shows `text` (lines ending in CR LF) from its first line.
  void show_text(std::string text);
  // The text shown, lines joined by "\n" as a text edit gives them.
  QString text() const;
  int line_count() const { return static_cast<int>(starts_.size()); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The line at `index` without its line break.
  std::string_view line(std::size_t index) const;
  void set_ranges();

  std::string text_;
  std::vector<std::size_t> starts_;  // where each line starts in text_
  int widest_ = 0;                   // width of the longest line in pixels
};

class PastedListView : public CustomView {
 public:
  PastedListView(ControlRef ref, QWidget* parent);
  QWidget* widget() override;
  void render(App& app) override;
  PastedListBox* box() const { return box_; }

 private:
  ControlRef ref_;
  PastedListBox* box_;
  std::uint64_t shown_revision_ = 0;
  bool fresh_ = true;
};

}  // namespace tesvik
