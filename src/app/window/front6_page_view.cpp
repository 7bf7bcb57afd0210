#include "app/window/front6_page_view.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <memory>

#include "app/window/bindings.h"
#include "app/window/page_layout.h"
#include "app/window/qt_text.h"
#include "app/window/result_viewer_widget.h"
#include "app/window/tolerance_selector_widget.h"

namespace tesvik {

namespace {

constexpr int kColumnWidth = 352;
constexpr int kSideWidth = 236;
constexpr int kHelpWidth = 36;
constexpr int kBoxHeight = 34;

// Width that shows the longest caption of a row.
int caption_width(const QWidget* w, const Q6Row& row) {
  const QFontMetrics fm(w->font());
  int width = 0;
  for (const std::string& c : row.captions) width = std::max(width, fm.horizontalAdvance(from_utf8(c)));
  return std::max(kSmall - 1, width + 6);
}

QLabel* bold_label(std::string_view caption, QWidget* parent) {
  QLabel* l = small_label(from_utf8(caption), parent);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

// The base set, the overall tolerance with the functions and the prize
// check sit beside the viewer; the other panels fill the columns.
bool on_result_side(const Q6Panel& p) {
  const bool base = p.boxes.size() == 1 && p.boxes[0].paste == kQ6PasteBase;
  const bool prize = p.boxes.size() == 1 && p.boxes[0].box == kQ6PrizeBox;
  return base || prize || p.selector == kQ6TotalSelector;
}

const Q6Panel& side_panel(int selector, int box) {
  for (const Q6Panel& p : q6_panels())
    if (p.selector == selector && (box < 0 || (p.boxes.size() == 1 && p.boxes[0].box == box))) return p;
  return q6_panels().front();
}

}  // namespace

Front6PageView::Front6PageView(Bindings& bindings, const ScrollBarWidget::Schedule& schedule, QWidget* parent)
    : QWidget(parent), bindings_(bindings) {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(2, 2, 2, 2);
  outer->setSpacing(4);
  PanelColumns columns(outer, kColumnWidth);
  for (const Q6Panel& p : q6_panels())
    if (!on_result_side(p)) columns.place(panel_widget(p));
  columns.close();
  outer->addWidget(result_side(schedule), 0, Qt::AlignTop);
}

QPushButton* Front6PageView::button(Ctl array, int index, QWidget* parent) {
  QPushButton* b = bindings_.button({array, index}, parent);
  if (array == Ctl::C_q6_shuoming) sized(b, kHelpWidth, kSmall);
  if (array == Ctl::C_q6_cls) sized(b, kSmall, kSmall);
  return b;
}

void Front6PageView::add_cls(QHBoxLayout* row, int cls, QWidget* parent) {
  if (cls >= 0 && placed_cls_.insert(cls).second) row->addWidget(button(Ctl::C_q6_cls, cls, parent), 0, Qt::AlignTop);
}

void Front6PageView::add_selector(QHBoxLayout* row, const QString& caption, int rc, QWidget* parent) {
  row->addWidget(small_label(caption, parent));
  const ControlRef ref{Ctl::rc_q6, rc};
  row->addWidget(bindings_.custom(ref, std::make_unique<ToleranceSelectorWidget>(ref, parent)));
}

QWidget* Front6PageView::panel_widget(const Q6Panel& p) {
  QVBoxLayout* layout = nullptr;
  QFrame* box = panel_frame(layout);
  if (!p.title.empty() || p.selector >= 0) {
    auto* header = tight_row();
    header->addWidget(bold_label(p.title, box));
    for (std::string_view l : p.labels) header->addWidget(small_label(from_utf8(l), box));
    header->addStretch();
    if (p.selector >= 0) add_selector(header, "容错", p.selector, box);
    add_cls(header, p.clear, box);
    for (int h : p.helps) header->addWidget(button(Ctl::C_q6_shuoming, h, box));
    layout->addLayout(header);
  }
  add_rows(layout, p, box);
  add_boxes(layout, p, box);
  for (int gn : p.functions) layout->addWidget(sized(button(Ctl::C_q6_gn, gn, box), 96, kSmall));
  return box;
}

// One line per row, the rows that share a "清" together (a group's counts
// under its numbers); labels in one column, buttons wrapped to the width.
void Front6PageView::add_rows(QBoxLayout* layout, const Q6Panel& p, QWidget* parent) {
  std::vector<const Q6Row*> order;
  for (const Q6Row& r : p.rows) {
    if (std::find(order.begin(), order.end(), &r) != order.end()) continue;
    order.push_back(&r);
    for (const Q6Row& other : p.rows)
      if (&other != &r && r.clear >= 0 && other.clear == r.clear &&
          std::find(order.begin(), order.end(), &other) == order.end())
        order.push_back(&other);
  }
  int label_width = 0;
  for (const Q6Row& r : p.rows)
    label_width = std::max(label_width, QFontMetrics(parent->font()).horizontalAdvance(from_utf8(r.label)));
  for (const Q6Row* r : order) {
    auto* row = tight_row();
    if (label_width > 0) {
      QLabel* label = small_label(from_utf8(r->label), parent);
      label->setFixedWidth(label_width + 2);
      row->addWidget(label, 0, Qt::AlignTop);
    }
    const int w = caption_width(parent, *r);
    const int avail = kColumnWidth - 10 - (label_width > 0 ? label_width + 3 : 0) - 2 * (kSmall + 1) - (kHelpWidth + 1);
    const int per_line = std::max(1, avail / (w + 1));
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    for (int i = r->first; i <= r->last; ++i) {
      const int k = i - r->first;
      grid->addWidget(sized(button(Ctl::C_q6, i, parent), w, kSmall), k / per_line, k % per_line);
    }
    row->addLayout(grid);
    row->addStretch();
    add_cls(row, r->select_all, parent);
    add_cls(row, r->clear, parent);
    if (r->help >= 0) row->addWidget(button(Ctl::C_q6_shuoming, r->help, parent), 0, Qt::AlignTop);
    layout->addLayout(row);
  }
}

// Boxes with a tolerance or a help button take a line each; plain ones
// share a line by two.
void Front6PageView::add_boxes(QBoxLayout* layout, const Q6Panel& p, QWidget* parent) {
  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  int cell = 0;
  for (const Q6Box& b : p.boxes) {
    const bool wide = b.selector >= 0 || b.help >= 0 || b.paste >= 0;
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    if (!b.label.empty() || b.clear >= 0) {
      auto* top = tight_row();
      top->addWidget(small_label(from_utf8(b.label), parent));
      if (b.paste >= 0) top->addWidget(sized(button(Ctl::C_q6_gn, b.paste, parent), 28, kSmall));
      top->addStretch();
      if (b.selector >= 0) add_selector(top, "容错", b.selector, parent);
      add_cls(top, b.clear, parent);
      if (b.help >= 0) top->addWidget(button(Ctl::C_q6_shuoming, b.help, parent));
      column->addLayout(top);
    }
    QPlainTextEdit* edit = bindings_.condition_box({Ctl::T_q6, b.box}, parent);
    edit->setFixedHeight(kBoxHeight);
    column->addWidget(edit);
    if (wide && cell % 2) ++cell;
    grid->addLayout(column, cell / 2, cell % 2, 1, wide ? 2 : 1);
    cell += wide ? 2 : 1;
  }
  layout->addLayout(grid);
}

QWidget* Front6PageView::result_side(const ScrollBarWidget::Schedule& schedule) {
  auto* side = new QWidget;
  side->setFixedWidth(kSideWidth);
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  for (const Q6Panel& p : q6_panels())
    if (on_result_side(p) && p.selector != kQ6TotalSelector && p.functions.empty()) layout->addWidget(panel_widget(p));

  // The functions: count, run and copies, thirds, separators, overall tolerance.
  const Q6Panel& f = side_panel(kQ6TotalSelector, -1);
  auto* viewer_row = new QHBoxLayout;
  viewer_row->setSpacing(4);
  auto viewer = std::make_unique<ResultViewerWidget>(schedule, side);
  viewer->widget()->setObjectName("ucf_q6show");
  viewer_row->addWidget(bindings_.custom({Ctl::ucf_q6show, 0}, std::move(viewer)), 0, Qt::AlignTop);
  auto* main_functions = new QVBoxLayout;
  main_functions->setSpacing(2);
  main_functions->addWidget(small_label(from_utf8(f.labels.at(0)), side));
  main_functions->addWidget(bindings_.count_label(kQ6CountLabel, {}, side));
  for (int gn : {kQ6Run, kQ6CopyAll, kQ6CopyRemoved, kQ6ClearAll})
    main_functions->addWidget(sized(button(Ctl::C_q6_gn, gn, side), 84, 24));
  main_functions->addStretch();
  viewer_row->addLayout(main_functions);
  layout->addLayout(viewer_row);

  auto* thirds_title = tight_row();
  thirds_title->addWidget(small_label(from_utf8(f.labels.at(3)), side));
  thirds_title->addStretch();
  thirds_title->addWidget(button(Ctl::C_q6_shuoming, f.helps.at(2), side));
  layout->addLayout(thirds_title);
  auto* thirds = tight_row();
  for (int gn = kQ6CopyAll + 1; gn < kQ6CopyRemoved; ++gn)
    thirds->addWidget(sized(button(Ctl::C_q6_gn, gn, side), 48, kSmall));
  thirds->addStretch();
  layout->addLayout(thirds);

  auto* separators = tight_row();
  separators->addWidget(small_label(from_utf8(f.labels.at(2)), side));
  for (int gn = kQ6Blank; gn <= kQ6None; ++gn) separators->addWidget(sized(button(Ctl::C_q6_gn, gn, side), 36, kSmall));
  separators->addStretch();
  separators->addWidget(button(Ctl::C_q6_shuoming, f.helps.at(1), side));
  layout->addLayout(separators);

  auto* total = tight_row();
  add_selector(total, from_utf8(f.labels.at(1)), kQ6TotalSelector, side);
  total->addStretch();
  total->addWidget(button(Ctl::C_q6_shuoming, f.helps.at(0), side));
  layout->addLayout(total);

  // The prize check: its caption, the box, "兑奖查询", which Enter in the box presses.
  const Q6Panel& prize = side_panel(-1, kQ6PrizeBox);
  layout->addWidget(small_label(from_utf8(prize.title), side));
  auto* prize_row = tight_row();
  QLineEdit* input = bindings_.prize_box({Ctl::T_q6, kQ6PrizeBox}, side);
  prize_row->addWidget(input);
  QPushButton* check = sized(button(Ctl::C_q6_gn, kQ6Prize, side), 64, 22);
  prize_row->addWidget(check);
  Bindings::press_on_enter(input, check);
  for (int h : prize.helps) prize_row->addWidget(button(Ctl::C_q6_shuoming, h, side));
  layout->addLayout(prize_row);
  return side;
}

}  // namespace tesvik
