#include "web/web_port.h"

#include "app/app.h"
#include "web/browser_clock.h"
#include "web/host_calls.h"

namespace tesvik::web {

namespace {

constexpr int kTipMs = 600;  // the tip window closes itself after this time

std::string_view dialog_kind(FileDialog dialog) {
  switch (dialog) {
    case FileDialog::SaveScheme: return "save-scheme";
    case FileDialog::LoadScheme: return "load-scheme";
    case FileDialog::Export: return "export";
    case FileDialog::OpenDraws: return "open-draws";
  }
  return "";
}

}  // namespace

void WebPort::message(std::string_view title, std::string_view text) { host_message(title, text); }

bool WebPort::question(std::string_view title, std::string_view text) { return host_question(title, text); }

bool WebPort::write_clipboard(std::string_view text) { return host_write_clipboard(text); }

std::optional<std::string> WebPort::read_clipboard() { return host_read_clipboard(); }

void WebPort::show_tip(std::string_view text) {
  host_show_tip(text);
  pause(kTipMs);
}

void WebPort::show_progress(bool visible, int percent) { host_show_progress(visible, percent); }

bool WebPort::open_link(std::string_view url) { return host_open_link(url); }

void WebPort::pump() {
  if (clock_) clock_->catch_up();
}

void WebPort::pause(int ms) {
  if (app_) app_->advance_time(ms);
}

void WebPort::title_changed(std::string_view title) { host_set_title(title); }

void WebPort::quit() {
  if (clock_) clock_->stop();
  host_quit();
}

// The page names the file by the dialog's kind; it knows which page it shows.
std::optional<std::string> WebPort::choose_file(FileDialog dialog, std::string_view /*page*/) {
  return host_choose_file(dialog_kind(dialog));
}

bool WebPort::write_file(const std::string& path, std::string_view bytes) { return host_save_file(path, bytes); }

std::variant<std::string, FileProblem> WebPort::read_file(const std::string& path, std::size_t limit) {
  std::optional<std::string> bytes = host_read_file(path);
  if (!bytes) return FileProblem::Unreadable;
  if (bytes->size() > limit) return FileProblem::TooLarge;
  return std::move(*bytes);
}

}  // namespace tesvik::web
