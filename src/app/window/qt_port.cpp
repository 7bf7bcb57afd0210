#include "app/window/qt_port.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "app/window/busy_cursor.h"
#include "app/window/file_dialog.h"
#include "app/window/main_window.h"
#include "app/window/qt_text.h"
#include "app/window/tip_window.h"

namespace tesvik {

namespace {

// A window manager cuts a title that is wider than its box, and a short
// message makes a narrow box. The box is made wide enough for its title in
// a large bold title font beside an icon and three title-bar buttons.
void widen_for_title(QMessageBox& box) {
  QFont title_font = box.font();
  title_font.setBold(true);
  title_font.setPointSizeF(std::max<qreal>(title_font.pointSizeF(), 11));
  const int width = QFontMetrics(title_font).horizontalAdvance(box.windowTitle()) + 150;
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

void QtPort::message(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, from_utf8(title), from_utf8(text), QMessageBox::Ok, window_);
  widen_for_title(box);
  box.exec();
}

bool QtPort::question(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::Question, from_utf8(title), from_utf8(text), QMessageBox::Yes | QMessageBox::No,
                  window_);
  widen_for_title(box);
  return box.exec() == QMessageBox::Yes;
}

bool QtPort::write_clipboard(std::string_view text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(from_utf8(text));
  return true;
}

std::optional<std::string> QtPort::read_clipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return std::nullopt;
  const QString text = clipboard->text();
  if (text.size() >= BusyCursor::kLongText) BusyCursor::long_work();
  return text.toStdString();
}

// The copy goes on once the tip has closed, as the caller expects.
void QtPort::show_tip(std::string_view text) {
  TipWindow tip(from_utf8(text), window_);
  if (window_) window_->after(kTipMilliseconds, &tip, [&tip] { tip.accept(); });
  else QTimer::singleShot(kTipMilliseconds, &tip, &QDialog::accept);
  tip.wait();
}

void QtPort::show_progress(bool, int) {
  BusyCursor::breathe();
  if (window_) window_->sync();
}

bool QtPort::open_link(std::string_view url) {
  return QDesktopServices::openUrl(QUrl(from_utf8(url), QUrl::StrictMode));
}

void QtPort::pump() {
  BusyCursor::breathe();
  if (window_) window_->sync();
  // Clicks wait until the running action has finished; paints and timers run.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPort::title_changed(std::string_view title) {
  if (window_) window_->setWindowTitle(from_utf8(title));
}

void QtPort::quit() { QCoreApplication::quit(); }

std::optional<std::string> QtPort::choose_file(FileDialog dialog, std::string_view page) {
  QFileDialog box(window_);
  set_up_file_dialog(box, dialog, from_utf8(page));
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  return box.selectedFiles().front().toStdString();
}

}  // namespace tesvik
