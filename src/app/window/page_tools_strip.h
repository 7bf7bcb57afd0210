#pragma once
// The strip of page tools below the pages: "保存方案", "载入方案",
// "导出文件" and "历史验证", acting on whichever page is shown.

#include <QString>
#include <QWidget>
#include <functional>

namespace tesvik {

class App;
class UserPort;

class PageToolsStrip : public QWidget {
 public:
  // `changed` runs after a tool has changed the App's state.
  PageToolsStrip(App& app, UserPort& port, std::function<void()> changed, QWidget* parent);

 private:
  QString draws_;  // the draws of the history dialog, kept from one opening to the next
};

}  // namespace tesvik
