#include "app/window/condition_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/panel_state.h"
#include "app/window/bindings.h"
#include "app/window/page_layout.h"
#include "app/window/qt_text.h"

namespace tesvik {

namespace {

constexpr int kColumnWidth = 370;
constexpr int kResultWidth = 220;
// Width that shows the longest caption line of a row in full.
int caption_width(const QWidget* w, const ButtonRow& row) {
  const QFontMetrics fm(w->font());
  int width = 0;
  for (const std::string& c : row.captions)
    for (const QString& line : QString::fromStdString(c).split("\r\n"))
      width = std::max(width, fm.horizontalAdvance(line));
  return std::max(kSmall - 1, width + 6);
}

// Rows of long captions use a smaller font so that a block stays narrow.
QFont row_font(const QWidget* w, const ButtonRow& row) {
  QFont f = w->font();
  if (caption_width(w, row) > 40) f.setPointSizeF(f.pointSizeF() - 1);
  return f;
}

}  // namespace

ConditionPage::ConditionPage(const PageTable& page, Bindings& bindings, QWidget* parent)
    : QWidget(parent), page_(page), bindings_(bindings) {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(2, 2, 2, 2);
  outer->setSpacing(4);
  // Blocks go into the shortest column in table order; the sub-panels take
  // the place of their first block.
  PanelColumns columns(outer, kColumnWidth);
  bool stack_placed = false;
  for (const Block& b : page_.blocks) {
    if (b.sub_panel < 0) {
      columns.place(block_widget(b));
    } else if (!stack_placed) {
      columns.place(sub_panels());
      stack_placed = true;
    }
  }
  columns.close();
  outer->addWidget(result_side());
}

// A tolerance pair: caption, lower box, "至", upper box.
void ConditionPage::add_range(QHBoxLayout* row, const QString& caption, ControlRef lower, int width, QWidget* parent) {
  row->addWidget(small_label(caption, parent));
  for (int k = 0; k < 2; ++k) {
    if (k == 1) row->addWidget(small_label("至", parent));
    QComboBox* combo = bindings_.combo({lower.array, lower.index + k}, parent);
    combo->setFixedWidth(width);
    row->addWidget(combo);
  }
}

QWidget* ConditionPage::block_widget(const Block& b) {
  QVBoxLayout* layout = nullptr;
  QFrame* box = panel_frame(layout);

  auto* header = tight_row();
  QLabel* title = small_label(QString::fromStdString(b.title), box);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  header->addWidget(title);
  if (b.mode_keep >= 0)
    for (int option : {b.mode_keep, b.mode_exclude})
      header->addWidget(sized(bindings_.button({Ctl::C_n_xuan_1, option}, box), 36, kSmall));
  if (!b.subtitle.empty()) header->addWidget(small_label(QString::fromStdString(b.subtitle), box));
  header->addStretch();
  if (b.range >= 0) add_range(header, "容错", {Ctl::Comb_rc, b.range}, 40, box);
  if (b.clear >= 0) header->addWidget(sized(bindings_.button({Ctl::C_cls, b.clear}, box), kSmall, kSmall));
  header->addWidget(sized(bindings_.button({Ctl::C_shuoming, b.help}, box), 36, kSmall));
  layout->addLayout(header);

  for (const ButtonRow& r : b.rows) {
    auto* row = tight_row();
    int avail = kColumnWidth - 8;  // frame and margins
    if (!r.label.empty()) {
      QLabel* label = small_label(QString::fromStdString(r.label), box);
      row->addWidget(label);
      avail -= label->sizeHint().width() + 2;
    }
    const QFont font = row_font(box, r);
    QWidget probe;
    probe.setFont(font);
    const int w = caption_width(&probe, r);
    const int h = r.captions.front().find('\r') != std::string::npos ? 30 : kSmall;
    const int extra = (r.select_all >= 0) + (r.clear >= 0);
    avail -= extra * (kSmall + 1);
    const int per_line = std::max(1, avail / (w + 1));
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    for (int k = 0; k < r.size(); ++k) {
      const int index = r.right_to_left ? r.last - k : r.first + k;
      const Ctl array = r.kind == RowKind::Kill ? Ctl::C_annv : Ctl::C_annv_chu;
      QPushButton* button = sized(bindings_.button({array, index}, box), w, h);
      button->setFont(font);
      grid->addWidget(button, k / per_line, k % per_line);
    }
    row->addLayout(grid);
    row->addStretch();
    for (int cls : {r.select_all, r.clear})
      if (cls >= 0) row->addWidget(sized(bindings_.button({Ctl::C_cls, cls}, box), kSmall, kSmall), 0, Qt::AlignTop);
    layout->addLayout(row);
  }

  if (!b.boxes.empty()) {
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    const int per_line = b.boxes.size() == 4 ? 2 : std::min<int>(3, static_cast<int>(b.boxes.size()));
    for (std::size_t k = 0; k < b.boxes.size(); ++k) {
      const TextField& f = b.boxes[k];
      auto* cell = new QVBoxLayout;
      cell->setSpacing(0);
      if (!f.label.empty() || f.clear >= 0) {
        auto* top = tight_row();
        top->addWidget(small_label(from_utf8(f.label), box));
        top->addStretch();
        if (f.clear >= 0) top->addWidget(sized(bindings_.button({Ctl::C_cls, f.clear}, box), kSmall, kSmall));
        cell->addLayout(top);
      }
      QPlainTextEdit* edit = bindings_.condition_box({Ctl::T_nei_txt_ip, f.box}, box);
      edit->setFixedHeight(b.boxes.size() == 1 ? 54 : 40);
      cell->addWidget(edit);
      grid->addLayout(cell, static_cast<int>(k) / per_line, static_cast<int>(k) % per_line);
    }
    layout->addLayout(grid);
  }

  if (b.compound_list) {
    auto* row = tight_row();
    QListView* list = bindings_.list({Ctl::List_nei, 0}, box);
    list->setFixedHeight(64);
    row->addWidget(list);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(1);
    for (int k : {2, 3, 4}) buttons->addWidget(sized(bindings_.button({Ctl::C_q3_nei, k}, box), 84, kSmall));
    row->addLayout(buttons);
    layout->addLayout(row);
  }
  if (b.add_button >= 0) layout->addWidget(sized(bindings_.button({Ctl::C_jg_gn, b.add_button}, box), 96, kSmall));
  return box;
}

QWidget* ConditionPage::sub_panels() {
  auto* holder = new QWidget;
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  auto* switches = tight_row();
  for (const SubPanelSwitch& sw : page_.sub_panels) {
    QPushButton* b = bindings_.button({Ctl::C_q3_nei, sw.button}, holder);
    const int text = QFontMetrics(b->font()).horizontalAdvance(QString::fromStdString(sw.caption));
    switches->addWidget(sized(b, std::max(100, text + 12), kSmall));
  }
  switches->addStretch();
  layout->addLayout(switches);
  stack_ = new QStackedWidget(holder);
  for (std::size_t k = 0; k < page_.sub_panels.size(); ++k) {
    auto* panel = new QWidget;
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    for (const Block& b : page_.blocks)
      if (b.sub_panel == static_cast<int>(k)) {
        QWidget* w = block_widget(b);
        w->setFixedWidth(kColumnWidth);
        v->addWidget(w);
      }
    v->addStretch(1);
    stack_->addWidget(panel);
  }
  layout->addWidget(stack_);
  return holder;
}

QWidget* ConditionPage::result_side() {
  auto* side = new QWidget;
  side->setFixedWidth(kResultWidth);
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  auto help = [&](int index) { return sized(bindings_.button({Ctl::C_shuoming, index}, side), 36, kSmall); };

  auto* base_row = tight_row();
  base_row->addWidget(small_label(from_utf8(page_.result.base.label), side));
  base_row->addStretch();
  base_row->addWidget(sized(bindings_.button({Ctl::C_cls, page_.result.base.clear}, side), kSmall, kSmall));
  base_row->addWidget(help(page_.result.base_help));
  layout->addLayout(base_row);
  QPlainTextEdit* base = bindings_.condition_box({Ctl::T_nei_txt_ip, page_.result.base.box}, side);
  base->setFixedHeight(80);
  layout->addWidget(base);

  layout->addWidget(bindings_.list({Ctl::List_jg, page_.result.result_list}, side), 1);
  layout->addWidget(bindings_.count_label(page_.result.result_list, from_utf8(page_.result.count_caption), side));

  auto* functions = new QGridLayout;
  functions->setSpacing(2);
  for (int k = 0; k < 4; ++k)
    functions->addWidget(sized(bindings_.button({Ctl::C_jg_gn, page_.result.first_function + k}, side), 108, 24), k / 2, k % 2);
  layout->addLayout(functions);

  auto* separators = tight_row();
  separators->addWidget(small_label("间隔符号", side));
  for (int k = 0; k < 3; ++k)
    separators->addWidget(sized(bindings_.button({Ctl::C_n_xuan_1, page_.result.separator_first + k}, side), 36, kSmall));
  separators->addStretch();
  separators->addWidget(help(page_.result.separator_help));
  layout->addLayout(separators);

  auto* total = tight_row();
  add_range(total, "总容错", {Ctl::Comb_jg_rc, page_.result.total_lower}, 48, side);
  total->addStretch();
  total->addWidget(help(page_.result.total_help));
  layout->addLayout(total);

  auto* prize = tight_row();
  QLineEdit* input = bindings_.prize_box({Ctl::T_duijiang, page_.result.prize_box}, side);
  input->setPlaceholderText(from_utf8(page_.result.prize_caption));
  prize->addWidget(input);
  QPushButton* check = bindings_.button({Ctl::C_jg_gn, page_.result.prize_button}, side);
  prize->addWidget(sized(check, 64, 22));
  // Enter in the box presses its "兑奖查询".
  Bindings::press_on_enter(input, check);
  prize->addWidget(help(page_.result.prize_help));
  layout->addLayout(prize);
  return side;
}

void ConditionPage::sync(const PanelState& panel) {
  if (!stack_) return;
  stack_->setCurrentIndex(page_.places == 3 ? panel.q3_sub_panel : panel.q4_sub_panel);
}

}  // namespace tesvik
