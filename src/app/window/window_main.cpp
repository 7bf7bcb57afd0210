#include "app/window/window_main.h"

#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QStyleFactory>
#include <QTranslator>
#include <iostream>

#include "app/front_six/front6_page_table.h"
#include "app/net/qt_network.h"
#include "app/window/desktop_entry.h"
#include "app/window/history_dialog.h"
#include "app/window/main_window.h"
#include "app/window/qt_port.h"

namespace tesvik {

void prepare_application(QApplication& qt) {
  // Memory freed at the top of the heap stays with the program up to 32 MB
  // instead of going back to the system at once: a run frees its drawing
  // and its list rows, and the next run would have every page of them
  // mapped afresh (a quarter of a front-five run in the window).
  mallopt(M_TRIM_THRESHOLD, 32 << 20);
  qt.setStyle(QStyleFactory::create("Fusion"));
  QFont font;
  font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans CJK"});
  font.setPointSize(8);
  qt.setFont(font);
  // Without the file Qt's texts stay English; the program works the same.
  auto* translator = new QTranslator(&qt);
  // With them, Qt's dialogs also write dates, sizes and numbers in Chinese.
  if (translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    qt.installTranslator(translator);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  } else {
    delete translator;
  }
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
  name_desktop_entry();
  // Needs the Qt application; goes before the window, dropping any answer still under way.
  QtNetworkPorts network(QtNetworkPorts::Wait::Async, notice);
  network.after_answer([&p] { p.window.sync(); });
  network.on_raise_request([&p] { p.window.bring_to_front(); });
  p.window.app().attach_network(network, notice);
  // A second copy shows its message alone, having raised the running copy's window.
  if (p.window.app().refuse_second_copy()) return 0;
  p.window.show_fitted();
  // The start-up begins once the window is on screen.
  QMetaObject::invokeMethod(
      &p.window, [&p] { p.window.start(); }, Qt::QueuedConnection);
  return p.qt.exec();
}

namespace {

// Writes what `widget` shows to DIR/name and names the file on standard
// output; false, with the reason on standard error, when it cannot.
bool save_picture(QWidget& widget, const char* dir, const QString& name) {
  QApplication::processEvents();
  const QString file = QDir(dir).filePath(name);
  if (!widget.grab().save(file)) {
    std::cerr << "cannot write " << file.toStdString() << "\n";
    return false;
  }
  std::cout << file.toStdString() << "\n";
  return true;
}

// The history check of front three after a run that kills 05 and keeps
// 01 03 in places A and B, with a few published draws: DIR/history.png.
int history_screenshot(MainWindow& window, UserPort& port, const char* dir) {
  App& app = window.app();
  app.click({Ctl::C_ding, 0});
  app.click({Ctl::C_annv, 49});
  app.set_text({Ctl::T_nei_txt_ip, 1}, "13");
  app.click({Ctl::C_jg_gn, 0});
  window.sync();
  HistoryDialog dialog(app, port, Mode::Three, &window);
  dialog.draws()->setPlainText(QString::fromUtf8(
      "2026120801 2026-12-08 01 03 02 05 04 06 07 08 09 10\n2026120802 2026-12-08 03 07 01 05 02 04 06 08 09 10\n"
      "2026120803 2026-12-08 05 01 03 02 04 06 07 08 09 10\n2026120804 2026-12-08 01 03 07 02 04 05 06 08 09 10\n"
      "开奖结果待定\n2026120805 2026-12-08 10 09 08 07 06 05 04 03 02 01"));
  dialog.show();
  dialog.check();
  return save_picture(dialog, dir, "history.png") ? 0 : 1;
}

}  // namespace

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
    return save_picture(window, dir, name);
  };
  for (int page = 0; page < 4; ++page) {
    window.app().click({Ctl::C_ding, page});
    if (!save(QString("page-%1.png").arg(page))) return 1;
  }
  // The front-six page after a run that kills 01 and 10, its viewer drawn.
  for (int number : {1, 10}) window.app().click({Ctl::C_q6, number});
  window.app().click({Ctl::C_q6_gn, kQ6Run});
  window.advance(ResultViewer::kFirstDrawMs);
  if (!save("page-3-result.png")) return 1;
  return history_screenshot(p.window, p.port, dir);
}

}  // namespace tesvik
