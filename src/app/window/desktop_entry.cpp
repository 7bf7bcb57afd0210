#include "app/window/desktop_entry.h"

#include <QApplication>
#include <QIcon>

#include "build_config.h"

namespace tesvik {

void name_desktop_entry() {
  QGuiApplication::setDesktopFileName(QString::fromLatin1(build_config::kAppId));
  const QIcon icon = QIcon::fromTheme("tesvik");
  if (!icon.isNull()) QApplication::setWindowIcon(icon);
}

}  // namespace tesvik
