#pragma once
// The undo and redo steps of a text box. A step holds only the text that is
// no longer in the box (what an edit removed), so a paste of 10 MB costs
// the history nothing until it is undone.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tesvik {

// Replacing `length` bytes at `at` by `text` takes a step back (or redoes
// an undone one).
struct EditStep {
  std::size_t at = 0;
  std::size_t length = 0;
  std::string text;
};

class EditHistory {
 public:
  // The oldest steps go beyond this many, or when the removed texts held
  // pass kBytes; the newest step always stays.
  static constexpr std::size_t kSteps = 1000;
  static constexpr std::size_t kBytes = 32 << 20;

  // An edit replaced `removed` at `at` by `added` bytes. Typing joins the
  // step of the typing just before it when it goes on where that ended.
  void record(std::size_t at, std::string removed, std::size_t added, bool typed);
  // The step to apply for an undo (redo); the caller applies it and hands
  // its inverse to undone (redone).
  std::optional<EditStep> undo_step();
  std::optional<EditStep> redo_step();
  void undone(EditStep inverse);
  void redone(EditStep inverse);
  bool can_undo() const { return !undo_.empty(); }
  bool can_redo() const { return !redo_.empty(); }
  void clear();

 private:
  void push_undo(EditStep step);
  void forget_oldest();

  std::deque<EditStep> undo_;
  std::vector<EditStep> redo_;
  std::size_t bytes_ = 0;  // the texts held by both
  bool typing_ = false;    // the last undo step is typing that may go on
};

}  // namespace tesvik
