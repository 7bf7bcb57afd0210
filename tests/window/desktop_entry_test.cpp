// The window's icon comes from the icon theme, and the application names
// the desktop entry that docks group its windows under.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>

#include "app/window/desktop_entry.h"
#include "build_config.h"

namespace tesvik {
namespace {

TEST(DesktopEntry, NamesTheEntryAndTakesTheThemesIcon) {
  QTemporaryDir themes;
  QDir(themes.path()).mkpath("hicolor/16x16/apps");
  QFile index(themes.filePath("hicolor/index.theme"));
  ASSERT_TRUE(index.open(QIODevice::WriteOnly));
  index.write("[Icon Theme]\nName=Hicolor\nDirectories=16x16/apps\n\n[16x16/apps]\nSize=16\nType=Fixed\n");
  index.close();
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(themes.filePath("hicolor/16x16/apps/tesvik.png")));
  const QStringList paths = QIcon::themeSearchPaths();
  const QString theme = QIcon::themeName();
  QIcon::setThemeSearchPaths({themes.path()});
  QIcon::setThemeName("hicolor");

  name_desktop_entry();
  EXPECT_EQ(QGuiApplication::desktopFileName(), build_config::kAppId);
  EXPECT_EQ(QApplication::windowIcon().name(), "tesvik");
  EXPECT_EQ(QApplication::windowIcon().pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));

  QApplication::setWindowIcon(QIcon());
  QGuiApplication::setDesktopFileName({});
  QIcon::setThemeSearchPaths(paths);
  QIcon::setThemeName(theme);
}

}  // namespace
}  // namespace tesvik
