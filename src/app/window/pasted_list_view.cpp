#include "app/window/pasted_list_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "app/app.h"
#include "app/control_view.h"
#include "app/window/qt_text.h"

namespace tesvik {

PastedListBox::PastedListBox(QWidget* parent) : QAbstractScrollArea(parent) {
  // As the condition boxes: the bar is always there, so the text area keeps its width.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  starts_.push_back(0);
}

void PastedListBox::show_text(std::string text) {
  text_ = std::move(text);
  starts_.assign(1, 0);
  std::size_t longest = 0, longest_at = 0;
  for (std::size_t at = text_.find('\n'); at != std::string::npos; at = text_.find('\n', at + 1)) {
    if (at + 1 - starts_.back() > longest) {
      longest = at + 1 - starts_.back();
      longest_at = starts_.size() - 1;
    }
    starts_.push_back(at + 1);
  }
  if (text_.size() - starts_.back() > longest) longest_at = starts_.size() - 1;
  widest_ = fontMetrics().horizontalAdvance(from_utf8(line(longest_at)));
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  set_ranges();
  viewport()->update();
}

QString PastedListBox::text() const {
  QString out;
  for (std::size_t i = 0; i < starts_.size(); ++i) {
    if (i) out += '\n';
    out += from_utf8(line(i));
  }
  return out;
}

std::string_view PastedListBox::line(std::size_t index) const {
  const std::size_t start = starts_.at(index);
  std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] - 1 : text_.size();  // at its "\n"
  if (end > start && text_[end - 1] == '\r') --end;
  return std::string_view(text_).substr(start, end - start);
}

void PastedListBox::set_ranges() {
  const int height = std::max(1, fontMetrics().lineSpacing());
  const int visible = std::max(1, viewport()->height() / height);
  verticalScrollBar()->setPageStep(visible);
  verticalScrollBar()->setRange(0, std::max(0, line_count() - visible));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setRange(0, std::max(0, widest_ + 2 * frameWidth() - viewport()->width()));
}

void PastedListBox::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::Text));
  const QFontMetrics metrics = fontMetrics();
  const int height = std::max(1, metrics.lineSpacing());
  const int first = verticalScrollBar()->value();
  const int x = 4 - horizontalScrollBar()->value();  // a text edit's margin
  for (int row = 0, y = 4; y < viewport()->height() && first + row < line_count(); ++row, y += height)
    painter.drawText(x, y + metrics.ascent(), from_utf8(line(static_cast<std::size_t>(first + row))));
}

void PastedListBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  set_ranges();
}

void PastedListBox::keyPressEvent(QKeyEvent* event) {
  // A display has no selection: a copy takes the whole list.
  if (event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(text());
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

PastedListView::PastedListView(ControlRef ref, QWidget* parent) : ref_(ref), box_(new PastedListBox(parent)) {}

QWidget* PastedListView::widget() { return box_; }

void PastedListView::render(App& app) {
  const std::optional<ControlView> view = control_view(app, ref_);
  if (!view || (!fresh_ && view->revision == shown_revision_)) return;
  box_->show_text(std::string(view->text));
  shown_revision_ = view->revision;
  fresh_ = false;
}

}  // namespace tesvik
