#include "app/window/qt_port.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

#include "app/window/main_window.h"
#include "app/window/tip_window.h"

namespace tesvik {

namespace {
QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

void QtPort::message(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, q(title), q(text), QMessageBox::Ok, window_);
  box.exec();
}

bool QtPort::question(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::Question, q(title), q(text), QMessageBox::Yes | QMessageBox::No, window_);
  return box.exec() == QMessageBox::Yes;
}

bool QtPort::write_clipboard(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(q(text));
  return true;
}

std::optional<std::string> QtPort::read_clipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return std::nullopt;
  return clipboard->text().toStdString();
}

void QtPort::show_tip(std::string_view text) {
  TipWindow tip(q(text), window_);
  tip.exec();
}

void QtPort::show_progress(bool, int) {
  if (window_) window_->sync();
}

bool QtPort::open_link(std::string_view url) { return QDesktopServices::openUrl(QUrl(q(url), QUrl::StrictMode)); }

void QtPort::pump() {
  if (window_) window_->sync();
  // Clicks wait until the running action has finished; paints and timers run.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPort::title_changed(std::string_view title) {
  if (window_) window_->setWindowTitle(q(title));
}

void QtPort::quit() { QCoreApplication::quit(); }

}  // namespace tesvik
