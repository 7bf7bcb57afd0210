#include "app/window/page_tools_strip.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "app/app.h"
#include "app/help_texts.h"
#include "app/tools/page_tool_buttons.h"
#include "app/window/history_dialog.h"
#include "app/window/qt_text.h"

namespace tesvik {

namespace {

// The page on top: front three, four and five are pages 0..2, front six 3.
Mode shown_mode(const App& app) { return static_cast<Mode>(std::clamp(app.frame().page, 0, 3)); }

}  // namespace

PageToolsStrip::PageToolsStrip(App& app, UserPort& port, std::function<void()> changed, QWidget* parent)
    : QWidget(parent) {
  setObjectName("page_tools");
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 0, 4, 0);
  layout->setSpacing(2);
  for (const PageToolInfo& tool : kPageToolButtons) {
    auto* b = new QPushButton(from_utf8(tool.caption), this);
    b->setObjectName(from_utf8(tool.caption));
    connect(b, &QPushButton::clicked, this, [this, &app, &port, tool, changed] {
      const Mode mode = shown_mode(app);
      switch (tool.button) {
        case PageToolButton::SaveScheme: app.save_scheme(mode); break;
        case PageToolButton::LoadScheme: app.load_scheme(mode); break;
        case PageToolButton::Export: app.export_picks(mode); break;
        case PageToolButton::History: {
          HistoryDialog dialog(app, port, mode, this);
          dialog.draws()->setPlainText(draws_);
          dialog.exec();
          draws_ = dialog.draws()->toPlainText();
          break;
        }
      }
      changed();
    });
    auto* help = new QPushButton(QString::fromUtf8("说明"), this);
    help->setObjectName(from_utf8(tool.help_key));
    connect(help, &QPushButton::clicked, this,
            [&port, tool] { help_texts().show(port, kPageToolHelpSection, tool.help_key); });
    layout->addWidget(b);
    layout->addWidget(help);
    layout->addSpacing(8);
  }
  layout->addStretch(1);
}

}  // namespace tesvik
