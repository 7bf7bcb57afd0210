#pragma once
// "历史验证": past draws pasted or read from a file, checked against the
// page's last run; a table of the draws, the hit rate, and per condition
// the number of draws it failed, as bars from worst to best. The page tools
// keep the draws from one opening to the next for the session.

#include <QDialog>

#include "app/tools/history_check.h"
#include "model/mode.h"

class QLabel;
class QPlainTextEdit;
class QTableWidget;
class QVBoxLayout;

namespace tesvik {

class App;
class UserPort;

class HistoryDialog : public QDialog {
 public:
  HistoryDialog(App& app, UserPort& port, Mode mode, QWidget* parent);
  QPlainTextEdit* draws() const { return draws_; }
  QTableWidget* table() const { return table_; }
  QLabel* summary() const { return summary_; }
  // Checks the draws of the box against the page's last run and shows the result.
  void check();

 private:
  void open_file();
  void show_report(const HistoryReport& report);

  App& app_;
  UserPort& port_;
  Mode mode_;
  QPlainTextEdit* draws_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* summary_ = nullptr;
  QWidget* bars_ = nullptr;
  QVBoxLayout* bar_layout_ = nullptr;
};

}  // namespace tesvik
