#include "app/batch/batch_port.h"

#include <ostream>

#include "app/app.h"
#include "support/text_escape.h"

namespace tesvik {

namespace {
constexpr int kTipMs = 600;  // the tip window closes itself after this time
}  // namespace

void BatchPort::message(std::string_view title, std::string_view text) {
  out_ << "message " << quote_text(title) << ' ' << quote_text(text) << '\n';
}

bool BatchPort::question(std::string_view title, std::string_view text) {
  const bool yes = next_answer_;
  next_answer_ = true;
  out_ << "question " << quote_text(title) << ' ' << quote_text(text) << " -> " << (yes ? "yes" : "no") << '\n';
  return yes;
}

bool BatchPort::clipboard_held() {
  if (locked_attempts_ <= 0) return false;
  --locked_attempts_;
  return true;
}

bool BatchPort::write_clipboard(std::string_view text) {
  if (clipboard_held()) return false;
  clipboard_ = text;
  out_ << "clipboard " << quote_text(text) << '\n';
  return true;
}

std::optional<std::string> BatchPort::read_clipboard() {
  if (clipboard_held()) return std::nullopt;
  return clipboard_;
}

void BatchPort::show_tip(std::string_view text) {
  out_ << "tip " << quote_text(text) << '\n';
  if (app_) app_->advance_time(kTipMs);
}

void BatchPort::pause(int ms) {
  if (app_) app_->advance_time(ms);
}

bool BatchPort::open_link(std::string_view url) {
  out_ << "open " << quote_text(url) << '\n';
  return true;
}

void BatchPort::title_changed(std::string_view title) { out_ << "title " << quote_text(title) << '\n'; }

void BatchPort::quit() { out_ << "quit\n"; }

}  // namespace tesvik
