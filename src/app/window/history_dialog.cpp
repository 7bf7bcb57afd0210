#include "app/window/history_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>
#include <variant>

#include "app/app.h"
#include "app/page_context.h"
#include "app/window/qt_text.h"

namespace tesvik {

namespace {

// Past-draw files larger than this are refused (about 300,000 lines).
constexpr std::size_t kDrawFileBytes = std::size_t{16} << 20;

QString failed_text(const HistoryLine& line) {
  QStringList names;
  for (std::string_view name : line.failed) names << from_utf8(name);
  return names.join(QString::fromUtf8("、"));
}

}  // namespace

HistoryDialog::HistoryDialog(App& app, UserPort& port, Mode mode, QWidget* parent)
    : QDialog(parent), app_(app), port_(port), mode_(mode) {
  // The title bar asks the window manager for a close button; Escape closes too.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMaximizeButtonHint);
  setWindowTitle(QString::fromUtf8("历史验证"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      QString::fromUtf8("每行一期开奖号码（10个号码，可带期号和日期；或只写前%1个号码）：").arg(places_of(mode)),
      this));
  draws_ = new QPlainTextEdit(this);
  draws_->setObjectName("draws");
  draws_->setMaximumHeight(110);
  layout->addWidget(draws_);
  auto* buttons = new QHBoxLayout;
  auto* open = new QPushButton(QString::fromUtf8("打开文件"), this);
  auto* run = new QPushButton(QString::fromUtf8("开始验证"), this);
  run->setObjectName("check");
  connect(open, &QPushButton::clicked, this, [this] { open_file(); });
  connect(run, &QPushButton::clicked, this, [this] { check(); });
  buttons->addWidget(open);
  buttons->addWidget(run);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  summary_ = new QLabel(this);
  layout->addWidget(summary_);
  auto* results = new QHBoxLayout;
  table_ = new QTableWidget(0, 4, this);
  table_->setHorizontalHeaderLabels({QString::fromUtf8("行"), QString::fromUtf8("号码"), QString::fromUtf8("结果"),
                                     QString::fromUtf8("未通过的条件")});
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->setVisible(false);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results->addWidget(table_, 3);
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  bars_ = new QWidget(scroll);
  bar_layout_ = new QVBoxLayout(bars_);
  bar_layout_->addStretch(1);
  scroll->setWidget(bars_);
  results->addWidget(scroll, 2);
  layout->addLayout(results, 1);
  resize(760, 520);
}

void HistoryDialog::open_file() {
  const std::optional<std::string> file = port_.choose_file(FileDialog::OpenDraws, page_name(mode_));
  if (!file) return;
  auto bytes = port_.read_file(*file, kDrawFileBytes);
  if (const FileProblem* problem = std::get_if<FileProblem>(&bytes)) {
    port_.message(kNoticeTitle,
                  *problem == FileProblem::TooLarge ? "文件超过16MB：" + *file : "文件读取失败：" + *file);
    return;
  }
  draws_->setPlainText(from_utf8(std::get<std::string>(bytes)));
}

void HistoryDialog::check() {
  const std::string text = draws_->toPlainText().toStdString();
  if (const std::optional<HistoryReport> report = app_.check_history(mode_, text)) show_report(*report);
}

void HistoryDialog::show_report(const HistoryReport& report) {
  const double rate = report.draws ? 100.0 * report.kept / report.draws : 0.0;
  QString summary = QString::fromUtf8("共%1期，中%2期，命中率%3%    本次缩水保留%4注")
                        .arg(report.draws)
                        .arg(report.kept)
                        .arg(rate, 0, 'f', 1)
                        .arg(app_.kept_count(mode_));
  if (report.unreadable) summary += QString::fromUtf8("    无法识别%1行").arg(report.unreadable);
  summary_->setText(summary);

  table_->setRowCount(static_cast<int>(report.lines.size()));
  for (int r = 0; r < table_->rowCount(); ++r) {
    const HistoryLine& line = report.lines[static_cast<std::size_t>(r)];
    const QString verdict = !line.readable ? QString::fromUtf8("无法识别")
                            : line.kept    ? QString::fromUtf8("中")
                                           : QString::fromUtf8("不中");
    const QStringList cells = {QString::number(line.line), from_utf8(line.text), verdict, failed_text(line)};
    for (int c = 0; c < cells.size(); ++c) table_->setItem(r, c, new QTableWidgetItem(cells[c]));
  }
  table_->resizeColumnsToContents();

  while (bar_layout_->count() > 1) delete bar_layout_->takeAt(0)->widget();
  std::vector<std::size_t> order(report.conditions.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return report.condition_failures[a] > report.condition_failures[b];
  });
  for (std::size_t i : order) {
    auto* bar = new QProgressBar(bars_);
    bar->setRange(0, std::max(report.draws, 1));
    bar->setValue(report.condition_failures[i]);
    bar->setFormat(from_utf8(report.conditions[i].name) +
                   QString::fromUtf8("  错%1期").arg(report.condition_failures[i]));
    bar->setTextVisible(true);
    bar_layout_->insertWidget(bar_layout_->count() - 1, bar);
  }
}

}  // namespace tesvik
