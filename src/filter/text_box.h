#pragma once
// A condition box: its text, the revision of its last edit and the last
// reading a condition made of it. Every edit takes a revision no box had
// before, so a reading kept with its revision is valid exactly while the
// revision stays: a rerun with the box unchanged neither copies nor compares
// nor parses its text. The reading lives in the box itself, so that each box
// has its own and a page's state carries them.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace tesvik {

class TextBox {
 public:
  TextBox() = default;
  explicit TextBox(std::string text) : text_(std::move(text)) { changed(); }
  TextBox(const TextBox&) = default;
  TextBox& operator=(const TextBox&) = default;
  // A box moved from is left empty, under a revision of its own.
  TextBox(TextBox&& other) noexcept { take(other); }
  TextBox& operator=(TextBox&& other) noexcept {
    if (this != &other) take(other);
    return *this;
  }
  TextBox& operator=(std::string text) {
    text_ = std::move(text);
    changed();
    return *this;
  }

  const std::string& text() const { return text_; }
  operator std::string_view() const { return text_; }
  bool empty() const { return text_.empty(); }
  std::size_t size() const { return text_.size(); }
  std::uint64_t revision() const { return revision_; }

  void clear() { *this = std::string(); }
  // Changes the text in place by edit(std::string&).
  template <typename Edit>
  void edit(Edit&& edit) {
    edit(text_);
    changed();
  }

  // The reading that reader type `Reader` made of this revision; nullptr
  // when there is none.
  template <typename Result, typename Reader>
  const Result* reading() const {
    return reading_ && reader_ == &kReaderTag<Reader> && read_at_ == revision_
               ? static_cast<const Result*>(reading_.get())
               : nullptr;
  }
  // Keeps `result` as the reading of the present revision by `Reader`.
  template <typename Result, typename Reader>
  const Result& keep_reading(Result result) {
    auto kept = std::make_shared<const Result>(std::move(result));
    const Result& out = *kept;
    reading_ = std::move(kept);
    reader_ = &kReaderTag<Reader>;
    read_at_ = revision_;
    return out;
  }

  friend bool operator==(const TextBox& box, std::string_view text) { return box.text_ == text; }

 private:
  template <typename Reader>
  static constexpr char kReaderTag = 0;  // its address names the reader

  // A new revision; the reading of the old text is let go at once.
  void changed();
  void take(TextBox& other) noexcept;

  std::string text_;
  std::uint64_t revision_ = 0;  // 0: as made, never edited
  std::shared_ptr<const void> reading_;
  const char* reader_ = nullptr;
  std::uint64_t read_at_ = 0;
};

}  // namespace tesvik
