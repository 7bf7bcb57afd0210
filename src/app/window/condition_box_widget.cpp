#include "app/window/condition_box_widget.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "app/window/box_text.h"
#include "app/window/busy_cursor.h"
#include "app/window/laid_line.h"
#include "app/window/qt_text.h"
#include "support/utf8.h"

namespace tesvik {

namespace {

constexpr int kMargin = 4;  // around the text, as a text edit's document has it

// Text that a key types into a box: printable characters, a character pair,
// a format character or a private one; nothing under Ctrl alone.
bool types_text(const QKeyEvent& key) {
  const QString text = key.text();
  if (text.isEmpty()) return false;
  const QChar c = text[0];
  if (c.category() == QChar::Other_Format) return true;
  const auto modifiers = key.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  if (modifiers == Qt::ControlModifier) return false;
  return c.isPrint() || c.category() == QChar::Other_PrivateUse ||
         (c.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate());
}

bool breaks_line(const QKeyEvent& key) {
  return key.matches(QKeySequence::InsertParagraphSeparator) || key.matches(QKeySequence::InsertLineSeparator);
}

bool is_backspace(const QKeyEvent& key) {
  return key.key() == Qt::Key_Backspace && !(key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
}

bool redoes(const QKeyEvent& key) {
  return key.matches(QKeySequence::Redo) ||
         (key.key() == Qt::Key_Y && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier);
}

enum class Motion {
  NextChar,
  PreviousChar,
  NextWord,
  PreviousWord,
  NextLine,
  PreviousLine,
  NextPage,
  PreviousPage,
  LineStart,
  LineEnd,
  TextStart,
  TextEnd
};

// The keys that move the caret, with and without extending the selection.
struct Move {
  QKeySequence::StandardKey move;
  QKeySequence::StandardKey select;
  Motion motion;
};
constexpr std::array kMoves{
    Move{QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Motion::NextChar},
    Move{QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Motion::PreviousChar},
    Move{QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Motion::NextWord},
    Move{QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Motion::PreviousWord},
    Move{QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Motion::NextLine},
    Move{QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Motion::PreviousLine},
    Move{QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Motion::NextPage},
    Move{QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Motion::PreviousPage},
    Move{QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Motion::LineStart},
    Move{QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Motion::LineEnd},
    Move{QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Motion::TextStart},
    Move{QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Motion::TextEnd},
};

constexpr std::array kEdits{QKeySequence::Undo,
                            QKeySequence::Cut,
                            QKeySequence::Copy,
                            QKeySequence::Paste,
                            QKeySequence::Delete,
                            QKeySequence::SelectAll,
                            QKeySequence::DeleteStartOfWord,
                            QKeySequence::DeleteEndOfWord};

// A key the box takes before the window's shortcuts see it.
bool box_key(const QKeyEvent& key) {
  for (const Move& m : kMoves)
    if (key.matches(m.move) || key.matches(m.select)) return true;
  for (const auto edit : kEdits)
    if (key.matches(edit)) return true;
  return redoes(key) || breaks_line(key) || is_backspace(key) || types_text(key);
}

}  // namespace

ConditionBoxWidget::ConditionBoxWidget(QWidget* parent) : QAbstractScrollArea(parent) {
  // The vertical scroll bar is always there, so that the text area keeps
  // its width when a paste makes the box longer than its height.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setAcceptDrops(true);
  set_ranges();
}

void ConditionBoxWidget::show_text(std::string_view text) {
  doc_.reset(text);
  caret_ = anchor_ = 0;
  goal_x_ = -1;
  widest_ = 0;
  measure_longest(0, doc_.lines().count() - 1);
  set_ranges();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

void ConditionBoxWidget::select(std::size_t anchor, std::size_t caret) {
  anchor_ = doc_.snap(anchor);
  move_caret(doc_.snap(caret), true);
}

void ConditionBoxWidget::set_read_only(bool read_only) {
  read_only_ = read_only;
  setAttribute(Qt::WA_InputMethodEnabled, !read_only);
}

// ---- edits ----

void ConditionBoxWidget::insert(std::string with, bool typed) {
  if (read_only_) return;
  const std::size_t from = std::min(caret_, anchor_);
  const std::size_t count = std::max(caret_, anchor_) - from;
  if (count == 0 && with.empty()) return;
  changed(doc_.replace(from, count, std::move(with), typed));
}

void ConditionBoxWidget::erase(std::size_t from, std::size_t to) {
  if (read_only_ || from == to) return;
  changed(doc_.replace(std::min(from, to), std::max(from, to) - std::min(from, to), {}, false));
}

// After any edit: the caret follows the inserted text, the scroll ranges
// take the new lines, and the application hears of the splice.
void ConditionBoxWidget::changed(const BoxChange& change) {
  caret_ = anchor_ = change.to;
  goal_x_ = -1;
  if (doc_.text().empty()) widest_ = 0;
  const LineIndex& lines = doc_.lines();
  measure_longest(lines.line_of(change.from), lines.line_of(change.to));
  show_caret();
  viewport()->update();
  emit edited(change.splice.at, change.splice.count, change.splice.with);
}

void ConditionBoxWidget::undo() {
  if (read_only_) return;
  if (const std::optional<BoxChange> change = doc_.undo()) changed(*change);
}

void ConditionBoxWidget::redo() {
  if (read_only_) return;
  if (const std::optional<BoxChange> change = doc_.redo()) changed(*change);
}

void ConditionBoxWidget::copy() const {
  if (caret_ == anchor_) return;
  const std::size_t from = std::min(caret_, anchor_);
  QGuiApplication::clipboard()->setText(
      clipboard_text(std::string_view(doc_.text()).substr(from, std::max(caret_, anchor_) - from)));
}

void ConditionBoxWidget::cut() {
  if (read_only_) return;
  copy();
  erase_selection();
}

void ConditionBoxWidget::erase_selection() { erase(anchor_, caret_); }

void ConditionBoxWidget::select_all() { select(0, doc_.text().size()); }

void ConditionBoxWidget::paste() {
  const QMimeData* source = QGuiApplication::clipboard()->mimeData();
  if (source && source->hasText()) insert_as_is(source->text());
}

// The text goes in as one edit, without a pause in which the window could
// show that it works: the busy cursor shows at once for a long text.
void ConditionBoxWidget::insert_as_is(const QString& text) {
  if (read_only_ || text.isEmpty()) return;
  const BusyCursor busy;
  if (text.size() >= BusyCursor::kLongText) BusyCursor::long_work();
  insert(box_text(text), false);
}

// ---- keys ----

bool ConditionBoxWidget::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && box_key(*static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QAbstractScrollArea::event(event);
}

void ConditionBoxWidget::keyPressEvent(QKeyEvent* event) {
  if (move_key(*event) || edit_key(*event)) {
    event->accept();
    return;
  }
  event->ignore();
}

bool ConditionBoxWidget::move_key(const QKeyEvent& key) {
  const auto found = std::find_if(kMoves.begin(), kMoves.end(),
                                  [&](const Move& m) { return key.matches(m.move) || key.matches(m.select); });
  if (found == kMoves.end()) return false;
  const bool selects = key.matches(found->select);
  const LineIndex& lines = doc_.lines();
  const std::size_t line = lines.line_of(caret_);
  const long long page = visible_lines();
  // Up, down and the pages keep the caret's x from the first such move on.
  const Motion motion = found->motion;
  const bool vertical = motion == Motion::NextLine || motion == Motion::PreviousLine || motion == Motion::NextPage ||
                        motion == Motion::PreviousPage;
  const int goal = vertical ? (goal_x_ >= 0 ? goal_x_ : x_of(caret_)) : -1;
  goal_x_ = goal;
  // Left and right end a selection at its side.
  const bool collapses = caret_ != anchor_ && !selects;
  std::size_t to = caret_;
  switch (motion) {
    case Motion::NextChar: to = collapses ? std::max(caret_, anchor_) : doc_.next(caret_); break;
    case Motion::PreviousChar: to = collapses ? std::min(caret_, anchor_) : doc_.previous(caret_); break;
    case Motion::NextWord: to = doc_.next_word(caret_); break;
    case Motion::PreviousWord: to = doc_.previous_word(caret_); break;
    case Motion::NextLine: to = line_move(1); break;
    case Motion::PreviousLine: to = line_move(-1); break;
    case Motion::NextPage:
    case Motion::PreviousPage: {
      // A page moves the view with the caret.
      const long long lines_moved = motion == Motion::NextPage ? page : -page;
      to = line_move(lines_moved);
      verticalScrollBar()->setValue(verticalScrollBar()->value() + static_cast<int>(lines_moved));
      break;
    }
    case Motion::LineStart: to = lines.start(line); break;
    case Motion::LineEnd: to = lines.end(line); break;
    case Motion::TextStart: to = 0; break;
    case Motion::TextEnd: to = doc_.text().size(); break;
  }
  move_caret(to, selects);
  goal_x_ = goal;
  return true;
}

bool ConditionBoxWidget::edit_key(const QKeyEvent& key) {
  if (key.matches(QKeySequence::Undo)) undo();
  else if (redoes(key)) redo();
  else if (key.matches(QKeySequence::Cut)) cut();
  else if (key.matches(QKeySequence::Copy)) copy();
  else if (key.matches(QKeySequence::Paste)) paste();
  else if (key.matches(QKeySequence::SelectAll)) select_all();
  else if (caret_ != anchor_ &&
           (key.matches(QKeySequence::Delete) || is_backspace(key) || key.matches(QKeySequence::DeleteStartOfWord) ||
            key.matches(QKeySequence::DeleteEndOfWord)))
    erase_selection();
  else if (key.matches(QKeySequence::Delete)) erase(caret_, doc_.next(caret_));
  else if (is_backspace(key)) erase(doc_.previous(caret_), caret_);
  else if (key.matches(QKeySequence::DeleteStartOfWord)) erase(doc_.previous_word(caret_), caret_);
  else if (key.matches(QKeySequence::DeleteEndOfWord)) erase(caret_, doc_.next_word(caret_));
  else if (breaks_line(key)) insert("\r\n", false);
  else if (types_text(key)) insert(box_text(key.text()), true);
  else return false;
  return true;
}

// The committed text goes in as typed; the text being composed shows at
// the caret until it is committed.
void ConditionBoxWidget::inputMethodEvent(QInputMethodEvent* event) {
  if (!event->commitString().isEmpty()) insert(box_text(event->commitString()), true);
  preedit_ = read_only_ ? QString() : event->preeditString();
  viewport()->update();
  event->accept();
}

QVariant ConditionBoxWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImEnabled: return !read_only_;
    case Qt::ImHints: return static_cast<int>(Qt::ImhMultiLine);
    case Qt::ImCursorRectangle: return caret_rect().translated(viewport()->pos());
    case Qt::ImFont: return font();
    case Qt::ImCursorPosition: {
      const std::size_t start = surrounding_start();
      return utf16_length(std::string_view(doc_.text()).substr(start, caret_ - start));
    }
    case Qt::ImSurroundingText: {
      const std::size_t start = surrounding_start();
      const std::size_t end = std::min(doc_.lines().end(doc_.lines().line_of(caret_)), start + LaidLine::kLongLine);
      return from_utf8(std::string_view(doc_.text()).substr(start, character_start(doc_.text(), end) - start));
    }
    default: return QAbstractScrollArea::inputMethodQuery(query);
  }
}

// Where the text that input methods see around the caret starts: its line,
// or no more than half a long line before the caret.
std::size_t ConditionBoxWidget::surrounding_start() const {
  const std::size_t line_start = doc_.lines().start(doc_.lines().line_of(caret_));
  return character_start(doc_.text(), std::max(line_start, caret_ - std::min(caret_, LaidLine::kLongLine / 2)));
}

// ---- mouse and menu ----

void ConditionBoxWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  move_caret(position_at(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void ConditionBoxWidget::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) move_caret(position_at(event->position().toPoint()), true);
}

// A click or drag ends with its selection made.
void ConditionBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
  event->setAccepted(event->button() == Qt::LeftButton);
}

QMenu* ConditionBoxWidget::edit_menu() {
  auto* menu = new QMenu(this);
  const bool selected = caret_ != anchor_;
  const auto add = [&](const char* text, QKeySequence::StandardKey key, bool enabled, std::function<void()> act) {
    QString caption = QCoreApplication::translate("QWidgetTextControl", text);
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    if (!shortcut.isEmpty()) caption += u'\t' + shortcut;
    QAction* action = menu->addAction(caption);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, std::move(act));
  };
  const bool editable = !read_only_;
  add("&Undo", QKeySequence::Undo, editable && doc_.can_undo(), [this] { undo(); });
  add("&Redo", QKeySequence::Redo, editable && doc_.can_redo(), [this] { redo(); });
  menu->addSeparator();
  add("Cu&t", QKeySequence::Cut, editable && selected, [this] { cut(); });
  add("&Copy", QKeySequence::Copy, selected, [this] { copy(); });
  const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
  add("&Paste", QKeySequence::Paste, editable && clipboard && clipboard->hasText(), [this] { paste(); });
  add("Delete", QKeySequence::UnknownKey, editable && selected, [this] { erase_selection(); });
  menu->addSeparator();
  add("Select All", QKeySequence::SelectAll, !doc_.text().empty(), [this] { select_all(); });
  return menu;
}

void ConditionBoxWidget::dragEnterEvent(QDragEnterEvent* event) {
  event->setAccepted(!read_only_ && event->mimeData()->hasText());
}

void ConditionBoxWidget::dragMoveEvent(QDragMoveEvent* event) {
  event->setAccepted(!read_only_ && event->mimeData()->hasText());
}

// A dropped text goes in where it is dropped, as a paste would.
void ConditionBoxWidget::dropEvent(QDropEvent* event) {
  if (read_only_ || !event->mimeData()->hasText()) return;
  move_caret(position_at(event->position().toPoint()), false);
  insert_as_is(event->mimeData()->text());
  event->acceptProposedAction();
}

void ConditionBoxWidget::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = edit_menu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void ConditionBoxWidget::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void ConditionBoxWidget::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

// ---- caret and geometry ----

void ConditionBoxWidget::move_caret(std::size_t at, bool keep_anchor) {
  caret_ = at;
  if (!keep_anchor) anchor_ = at;
  goal_x_ = -1;
  show_caret();
  viewport()->update();
}

// The position `lines` lines below the caret (above when negative) nearest
// the x that the caret keeps while it moves up and down.
std::size_t ConditionBoxWidget::line_move(long long lines) {
  const LineIndex& index = doc_.lines();
  const long long line = static_cast<long long>(index.line_of(caret_));
  const long long last = static_cast<long long>(index.count()) - 1;
  const long long target = std::clamp(line + lines, 0LL, last);
  if (target == line) return caret_;
  const int x = goal_x_;
  const std::size_t start = index.start(static_cast<std::size_t>(target));
  const std::string_view bytes = line_text(static_cast<std::size_t>(target));
  return start + LaidLine(bytes, font()).at_x(x);
}

std::string_view ConditionBoxWidget::line_text(std::size_t line) const {
  const LineIndex& lines = doc_.lines();
  return std::string_view(doc_.text()).substr(lines.start(line), lines.end(line) - lines.start(line));
}

int ConditionBoxWidget::line_height() const { return std::max(1, fontMetrics().lineSpacing()); }

int ConditionBoxWidget::visible_lines() const {
  return std::max(1, (viewport()->height() - 2 * kMargin) / line_height());
}

std::size_t ConditionBoxWidget::position_at(QPoint point) const {
  const LineIndex& lines = doc_.lines();
  const long long row = static_cast<long long>(std::floor((point.y() - kMargin) / double(line_height())));
  const std::size_t line = static_cast<std::size_t>(
      std::clamp(verticalScrollBar()->value() + row, 0LL, static_cast<long long>(lines.count()) - 1));
  const std::string_view bytes = line_text(line);
  const int x = point.x() - kMargin + horizontalScrollBar()->value();
  return lines.start(line) + LaidLine(bytes, font()).at_x(x);
}

int ConditionBoxWidget::x_of(std::size_t at) const {
  const std::size_t line = doc_.lines().line_of(at);
  const std::string_view bytes = line_text(line);
  const std::size_t in_line = at - doc_.lines().start(line);
  return LaidLine(bytes, font()).x_of(in_line);
}

QRect ConditionBoxWidget::caret_rect() const {
  const long long row = static_cast<long long>(doc_.lines().line_of(caret_)) - verticalScrollBar()->value();
  const int x = kMargin + x_of(caret_) - horizontalScrollBar()->value();
  return {x, kMargin + static_cast<int>(row) * line_height(), 1, line_height()};
}

void ConditionBoxWidget::measure(std::size_t line) {
  widest_ = std::max(widest_, LaidLine(line_text(line), font()).width());
}

void ConditionBoxWidget::measure_longest(std::size_t first, std::size_t last) {
  const LineIndex& lines = doc_.lines();
  std::size_t longest = first;
  for (std::size_t line = first + 1; line <= last; ++line)
    if (lines.end(line) - lines.start(line) > lines.end(longest) - lines.start(longest)) longest = line;
  measure(longest);
  measure(first);
}

void ConditionBoxWidget::set_ranges() {
  const int visible = visible_lines();
  QScrollBar* vertical = verticalScrollBar();
  vertical->setPageStep(visible);
  vertical->setRange(0, std::max(0, static_cast<int>(doc_.lines().count()) - visible));
  QScrollBar* horizontal = horizontalScrollBar();
  horizontal->setPageStep(viewport()->width());
  horizontal->setRange(0, std::max(0, widest_ + 2 * kMargin + 1 - viewport()->width()));
}

void ConditionBoxWidget::show_caret() {
  const std::size_t line = doc_.lines().line_of(caret_);
  measure(line);
  set_ranges();
  QScrollBar* vertical = verticalScrollBar();
  const int row = static_cast<int>(line);
  if (row < vertical->value()) vertical->setValue(row);
  else if (row >= vertical->value() + visible_lines()) vertical->setValue(row - visible_lines() + 1);
  QScrollBar* horizontal = horizontalScrollBar();
  const int x = x_of(caret_);
  const int room = viewport()->width() - 2 * kMargin - 1;
  if (x < horizontal->value()) horizontal->setValue(x);
  else if (x > horizontal->value() + room) horizontal->setValue(x - room);
}

void ConditionBoxWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  set_ranges();
}

void ConditionBoxWidget::scrollContentsBy(int, int) { viewport()->update(); }

// Draws the lines on screen, the selection and the caret; the lines drawn
// widen the horizontal scroll range when one is wider than any measured.
void ConditionBoxWidget::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QPalette& colours = palette();
  painter.setPen(colours.color(QPalette::Text));
  const LineIndex& lines = doc_.lines();
  const std::size_t from = std::min(caret_, anchor_);
  const std::size_t to = std::max(caret_, anchor_);
  LaidLine::Look look;
  look.base = colours.brush(QPalette::Base);
  look.highlight = colours.brush(QPalette::Highlight);
  look.highlighted_text = colours.brush(QPalette::HighlightedText);
  const int height = line_height();
  const int x = kMargin - horizontalScrollBar()->value();
  look.left = -x;
  look.right = viewport()->width() - x;
  const int widest = widest_;
  const std::size_t caret_line = lines.line_of(caret_);
  for (std::size_t line = static_cast<std::size_t>(verticalScrollBar()->value()), y = kMargin;
       line < lines.count() && static_cast<int>(y) < viewport()->height(); ++line, y += height) {
    const std::string_view bytes = line_text(line);
    const std::size_t start = lines.start(line);
    const bool has_caret = line == caret_line;
    LaidLine laid(bytes, font(), has_caret ? preedit_ : QString(), has_caret ? caret_ - start : 0);
    widest_ = std::max(widest_, laid.width());
    look.selected_from = look.selected_to = 0;
    if (from < lines.end(line) && to > start) {
      look.selected_from = std::max(from, start) - start;
      look.selected_to = std::min(to, lines.end(line)) - start;
    }
    look.caret_width = hasFocus() && has_caret ? style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this) : 0;
    laid.draw(painter, QPointF(x, static_cast<double>(y)), look);
    // A selected line break shows as a space's width of selection.
    if (from <= lines.end(line) && to > lines.end(line))
      painter.fillRect(QRect(x + laid.width(), static_cast<int>(y), fontMetrics().horizontalAdvance(u' '), height),
                       colours.brush(QPalette::Highlight));
  }
  if (widest_ != widest) set_ranges();
}

}  // namespace tesvik
