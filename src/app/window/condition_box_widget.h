#pragma once
// The editable multi-line condition box. It keeps the box's text as the
// application does (UTF-8, CR LF) with its line starts and draws only the
// lines on screen: a paste of 10 MB of lines costs a pass over the text,
// and a typed key the time of a line, where a text edit's document lays out
// and measures every line. Each edit is told as a splice of the
// application's text (`edited`); no line wraps.

#include <QAbstractScrollArea>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/window/box_document.h"

class QMenu;

namespace tesvik {

class ConditionBoxWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ConditionBoxWidget(QWidget* parent = nullptr);

  // Shows the application's text from its start; the undo history starts anew.
  void show_text(std::string_view text);
  // The box's text: UTF-8, line breaks CR LF.
  const std::string& text() const { return doc_.text(); }
  std::size_t caret() const { return caret_; }
  std::size_t anchor() const { return anchor_; }
  // Selects from `anchor` to `caret` (byte offsets, each moved back to the
  // start of its character) and scrolls the caret into view.
  void select(std::size_t anchor, std::size_t caret);
  void set_read_only(bool read_only);
  bool read_only() const { return read_only_; }

  void undo();
  void redo();
  void cut();
  void copy() const;
  // Inserts the clipboard's text as it is, in place of the selection.
  void paste();
  void erase_selection();
  void select_all();
  // The standard edit menu for the box's state; the caller owns it.
  QMenu* edit_menu();

 signals:
  // The user changed the text: `count` bytes at `at` of the application's
  // text became `with`.
  void edited(std::size_t at, std::size_t count, std::string_view with);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool move_key(const QKeyEvent& key);
  bool edit_key(const QKeyEvent& key);
  // Replaces the selection by box text.
  void insert(std::string with, bool typed);
  // Replaces the selection by a pasted or dropped text as it is.
  void insert_as_is(const QString& text);
  void erase(std::size_t from, std::size_t to);
  void changed(const BoxChange& change);
  void move_caret(std::size_t at, bool keep_anchor);
  std::size_t line_move(long long lines);

  std::string_view line_text(std::size_t line) const;
  int line_height() const;
  int visible_lines() const;
  std::size_t position_at(QPoint point) const;
  // The caret's distance from the start of its line, in pixels.
  int x_of(std::size_t at) const;
  QRect caret_rect() const;
  std::size_t surrounding_start() const;
  // Widens the scroll range for `line` and for the longest (in bytes) of
  // the lines from `first` to `last`.
  void measure(std::size_t line);
  void measure_longest(std::size_t first, std::size_t last);
  void set_ranges();
  void show_caret();

  BoxDocument doc_;
  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
  int goal_x_ = -1;  // the x that moves up and down keep to
  int widest_ = 0;   // the widest line measured, in pixels
  bool read_only_ = false;
  QString preedit_;  // what the input method composes at the caret
};

}  // namespace tesvik
