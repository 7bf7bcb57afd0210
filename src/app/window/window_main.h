#pragma once
// Entry points of the program with its window.

class QApplication;

namespace tesvik {

struct NoticeConfig;

// The look and language of the program: Fusion style, a compact CJK font,
// and Qt's own texts (dialog buttons, edit menus) in Chinese, with the
// Chinese locale, where Qt's translations are installed; and the heap kept
// between runs.
void prepare_application(QApplication& qt);

// Opens the main window and runs until the user closes it; the network
// start-up talks to the servers of `notice`.
int run_window(int argc, char** argv, const NoticeConfig& notice);

// Renders each of the four pages of a started window to DIR/page-N.png.
int take_screenshots(int argc, char** argv, const char* dir);

}  // namespace tesvik
