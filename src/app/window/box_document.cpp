#include "app/window/box_document.h"

#include <algorithm>

#include "app/window/box_text.h"
#include "app/window/qt_text.h"
#include "support/utf8.h"

namespace tesvik {

namespace {}  // namespace

void BoxDocument::reset(std::string_view text) {
  differs_ = !is_box_text(text);
  // Qt's reading of UTF-8 marks malformed bytes as a box would show them.
  if (differs_) text_ = box_text(from_utf8(text));
  else text_.assign(text);
  app_size_ = text.size();
  lines_.reset(text_);
  history_.clear();
}

BoxChange BoxDocument::apply(std::size_t at, std::size_t count, std::string with) {
  const std::size_t added = with.size();
  if (count == text_.size()) text_ = std::move(with);
  else text_.replace(at, count, with);
  lines_.replace(text_, at, count, added);
  const std::size_t to = at + added;
  if (!differs_) return {{at, count, std::string_view(text_).substr(at, added)}, at, to};
  differs_ = false;
  return {{0, app_size_, text_}, at, to};
}

BoxChange BoxDocument::replace(std::size_t at, std::size_t count, std::string with, bool typed) {
  history_.record(at, text_.substr(at, count), with.size(), typed);
  return apply(at, count, std::move(with));
}

std::optional<BoxChange> BoxDocument::undo() {
  std::optional<EditStep> step = history_.undo_step();
  if (!step) return std::nullopt;
  std::string removed = text_.substr(step->at, step->length);
  const std::size_t added = step->text.size();
  const BoxChange change = apply(step->at, step->length, std::move(step->text));
  history_.undone({step->at, added, std::move(removed)});
  return change;
}

std::optional<BoxChange> BoxDocument::redo() {
  std::optional<EditStep> step = history_.redo_step();
  if (!step) return std::nullopt;
  std::string removed = text_.substr(step->at, step->length);
  const std::size_t added = step->text.size();
  const BoxChange change = apply(step->at, step->length, std::move(step->text));
  history_.redone({step->at, added, std::move(removed)});
  return change;
}

std::size_t BoxDocument::next(std::size_t at) const {
  if (at >= text_.size()) return text_.size();
  if (text_.compare(at, 2, "\r\n") == 0) return at + 2;
  ++at;
  while (at < text_.size() && continues_sequence(text_[at])) ++at;
  return at;
}

std::size_t BoxDocument::previous(std::size_t at) const {
  if (at == 0) return 0;
  if (at >= 2 && text_.compare(at - 2, 2, "\r\n") == 0) return at - 2;
  --at;
  while (at > 0 && continues_sequence(text_[at])) --at;
  return at;
}

std::size_t BoxDocument::snap(std::size_t at) const {
  at = character_start(text_, std::min(at, text_.size()));
  if (at > 0 && at < text_.size() && text_[at - 1] == '\r' && text_[at] == '\n') --at;
  return at;
}

bool BoxDocument::blank(std::size_t at) const {
  const char c = text_[at];
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t BoxDocument::next_word(std::size_t at) const {
  while (at < text_.size() && !blank(at)) at = next(at);
  while (at < text_.size() && blank(at)) at = next(at);
  return at;
}

std::size_t BoxDocument::previous_word(std::size_t at) const {
  while (at > 0 && blank(previous(at))) at = previous(at);
  while (at > 0 && !blank(previous(at))) at = previous(at);
  return at;
}

}  // namespace tesvik
