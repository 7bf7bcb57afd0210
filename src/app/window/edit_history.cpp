#include "app/window/edit_history.h"

namespace tesvik {

void EditHistory::record(std::size_t at, std::string removed, std::size_t added, bool typed) {
  for (const EditStep& step : redo_) bytes_ -= step.text.size();
  redo_.clear();
  if (typed && typing_ && removed.empty() && !undo_.empty() && undo_.back().at + undo_.back().length == at) {
    undo_.back().length += added;
    return;
  }
  push_undo({at, added, std::move(removed)});
  typing_ = typed;
}

std::optional<EditStep> EditHistory::undo_step() {
  typing_ = false;
  if (undo_.empty()) return std::nullopt;
  EditStep step = std::move(undo_.back());
  undo_.pop_back();
  bytes_ -= step.text.size();
  return step;
}

std::optional<EditStep> EditHistory::redo_step() {
  typing_ = false;
  if (redo_.empty()) return std::nullopt;
  EditStep step = std::move(redo_.back());
  redo_.pop_back();
  bytes_ -= step.text.size();
  return step;
}

void EditHistory::undone(EditStep inverse) {
  bytes_ += inverse.text.size();
  redo_.push_back(std::move(inverse));
  forget_oldest();
}

void EditHistory::redone(EditStep inverse) { push_undo(std::move(inverse)); }

void EditHistory::clear() {
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
  typing_ = false;
}

void EditHistory::push_undo(EditStep step) {
  bytes_ += step.text.size();
  undo_.push_back(std::move(step));
  forget_oldest();
}

// Undo steps go first, oldest first, then redo steps, farthest first.
void EditHistory::forget_oldest() {
  while (undo_.size() + redo_.size() > 1 && (undo_.size() > kSteps || bytes_ > kBytes)) {
    if (undo_.empty()) {
      bytes_ -= redo_.front().text.size();
      redo_.erase(redo_.begin());
    } else {
      bytes_ -= undo_.front().text.size();
      undo_.pop_front();
    }
  }
}

}  // namespace tesvik
