#include <gtest/gtest.h>

#include <QApplication>

#include "app/window/window_main.h"

// Qt and the font libraries keep caches until exit that the leak checker
// would report; the window tests check behaviour, not those.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

// One QApplication for all window tests, on the offscreen platform unless
// the caller chose another.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  tesvik::prepare_application(qt);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
