#include "app/window/window_main.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QPixmap>
#include <QStyleFactory>
#include <QTranslator>
#include <iostream>

#include "app/front6_page_table.h"
#include "app/net/qt_network.h"
#include "app/window/main_window.h"
#include "app/window/qt_port.h"

namespace tesvik {

void prepare_application(QApplication& qt) {
  qt.setStyle(QStyleFactory::create("Fusion"));
  QFont font;
  font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans CJK"});
  font.setPointSize(8);
  qt.setFont(font);
  // Without the file Qt's texts stay English; the program works the same.
  auto* translator = new QTranslator(&qt);
  if (translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) qt.installTranslator(translator);
  else delete translator;
}

namespace {

// The Qt application in the program's style and language.
struct StyledApplication : QApplication {
  StyledApplication(int& argc, char** argv) : QApplication(argc, argv) { prepare_application(*this); }
};

// The application with the main window shown; the style comes first, since
// the window sizes its buttons by their captions.
struct Program {
  StyledApplication qt;
  QtPort port;
  MainWindow window{port};
  Program(int& argc, char** argv) : qt(argc, argv) { port.attach(&window); }
};

}  // namespace

int run_window(int argc, char** argv, const NoticeConfig& notice) {
  Program p(argc, argv);
  // Needs the Qt application; goes before the window, dropping any answer still under way.
  QtNetworkPorts network(QtNetworkPorts::Wait::Async, notice);
  network.after_answer([&p] { p.window.sync(); });
  p.window.app().attach_network(network, notice);
  p.window.show_fitted();
  // The start-up begins once the window is on screen.
  QMetaObject::invokeMethod(&p.window, [&p] { p.window.start(); }, Qt::QueuedConnection);
  return p.qt.exec();
}

int take_screenshots(int argc, char** argv, const char* dir) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  Program p(argc, argv);
  MainWindow& window = p.window;
  window.resize(window.sizeHint());
  window.show();
  window.app().start_without_window();
  if (!QDir().mkpath(dir)) {
    std::cerr << "cannot create " << dir << "\n";
    return 1;
  }
  auto save = [&](const QString& name) {
    window.sync();
    QApplication::processEvents();
    const QString file = QDir(dir).filePath(name);
    if (!window.grab().save(file)) {
      std::cerr << "cannot write " << file.toStdString() << "\n";
      return false;
    }
    std::cout << file.toStdString() << "\n";
    return true;
  };
  for (int page = 0; page < 4; ++page) {
    window.app().click({Ctl::C_ding, page});
    if (!save(QString("page-%1.png").arg(page))) return 1;
  }
  // The front-six page after a run that kills 01 and 10, its viewer drawn.
  for (int number : {1, 10}) window.app().click({Ctl::C_q6, number});
  window.app().click({Ctl::C_q6_gn, kQ6Run});
  window.advance(ResultViewer::kFirstDrawMs);
  return save("page-3-result.png") ? 0 : 1;
}

}  // namespace tesvik
