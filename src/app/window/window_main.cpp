#include "app/window/window_main.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPixmap>
#include <QStyleFactory>
#include <iostream>

#include "app/window/main_window.h"
#include "app/window/qt_port.h"

namespace tesvik {

void apply_style(QApplication& qt) {
  qt.setStyle(QStyleFactory::create("Fusion"));
  QFont font;
  font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans CJK"});
  font.setPointSize(8);
  qt.setFont(font);
}

namespace {

// The Qt application in the program's style.
struct StyledApplication : QApplication {
  StyledApplication(int& argc, char** argv) : QApplication(argc, argv) { apply_style(*this); }
};

// The application with the main window shown; the style comes first, since
// the window sizes its buttons by their captions.
struct Program {
  StyledApplication qt;
  QtPort port;
  MainWindow window{port};
  Program(int& argc, char** argv) : qt(argc, argv) {
    port.attach(&window);
    window.show();
  }
};

}  // namespace

int run_window(int argc, char** argv) {
  Program p(argc, argv);
  // The start-up begins once the window is on screen.
  QMetaObject::invokeMethod(&p.window, [&p] { p.window.start(); }, Qt::QueuedConnection);
  return p.qt.exec();
}

int take_screenshots(int argc, char** argv, const char* dir) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Program p(argc, argv);
  MainWindow& window = p.window;
  window.app().start_without_window();
  if (!QDir().mkpath(dir)) {
    std::cerr << "cannot create " << dir << "\n";
    return 1;
  }
  for (int page = 0; page < 4; ++page) {
    window.app().click({Ctl::C_ding, page});
    window.sync();
    QApplication::processEvents();
    const QString file = QDir(dir).filePath(QString("page-%1.png").arg(page));
    if (!window.grab().save(file)) {
      std::cerr << "cannot write " << file.toStdString() << "\n";
      return 1;
    }
    std::cout << file.toStdString() << "\n";
  }
  return 0;
}

}  // namespace tesvik
