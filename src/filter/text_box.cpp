#include "filter/text_box.h"

namespace tesvik {

namespace {

// The revisions the program has handed out; one thread edits the boxes.
std::uint64_t last_revision = 0;

}  // namespace

void TextBox::changed() {
  revision_ = ++last_revision;
  reading_.reset();
  reader_ = nullptr;
}

void TextBox::take(TextBox& other) noexcept {
  text_ = std::move(other.text_);
  revision_ = other.revision_;
  reading_ = std::move(other.reading_);
  reader_ = other.reader_;
  read_at_ = other.read_at_;
  other.text_.clear();
  other.changed();
}

}  // namespace tesvik
