#include "app/window/page_tools_strip.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <algorithm>

#include "app/app.h"
#include "app/window/history_dialog.h"

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
  auto add = [&](const char* caption, std::function<void(Mode)> act) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromUtf8(caption));
    connect(b, &QPushButton::clicked, this, [&app, act = std::move(act), changed] {
      act(shown_mode(app));
      changed();
    });
    layout->addWidget(b);
  };
  add("保存方案", [&app](Mode m) { app.save_scheme(m); });
  add("载入方案", [&app](Mode m) { app.load_scheme(m); });
  add("导出文件", [&app](Mode m) { app.export_picks(m); });
  add("历史验证", [this, &app, &port](Mode m) {
    HistoryDialog dialog(app, port, m, this);
    dialog.exec();
  });
  layout->addStretch(1);
}

}  // namespace tesvik
