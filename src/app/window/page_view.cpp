#include "app/window/page_view.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <memory>

#include "app/control_table.h"
#include "app/front_six/front6_page_table.h"
#include "app/window/bindings.h"
#include "app/window/qt_text.h"
#include "app/window/qt_text_measure.h"
#include "app/window/result_viewer_widget.h"
#include "app/window/tolerance_selector_widget.h"

namespace tesvik {

namespace {

QRect to_qrect(const Rect& r) { return {r.x, r.y, r.w, r.h}; }

// The one-line boxes: the prize boxes of the pages.
bool one_line(ControlRef ref) {
  return ref.array == Ctl::T_duijiang || (ref.array == Ctl::T_q6 && ref.index == kQ6PrizeBox);
}

}  // namespace

PageView::PageView(const PageGeometry& geometry, const QtTextMeasure& measure, Bindings& bindings,
                   const ScrollBarWidget::Schedule& schedule, QWidget* parent)
    : QWidget(parent), bindings_(bindings), size_(geometry.width, geometry.height) {
  // Each sub-panel's items share a holder over the room they take, so that
  // the sub-panel shows and hides as one.
  std::vector<QRect> rooms;
  auto take = [&](int sub_panel, const Rect& r) {
    if (sub_panel < 0) return;
    if (rooms.size() <= static_cast<std::size_t>(sub_panel)) rooms.resize(static_cast<std::size_t>(sub_panel) + 1);
    rooms[static_cast<std::size_t>(sub_panel)] |= to_qrect(r);
  };
  for (const PlacedPanel& p : geometry.panels) take(p.sub_panel, p.frame);
  for (const PlacedText& t : geometry.texts) take(t.sub_panel, t.rect);
  for (const PlacedControl& c : geometry.controls) take(c.sub_panel, c.rect);
  for (const QRect& room : rooms) {
    auto* w = new QWidget(this);
    w->setGeometry(room);
    sub_panels_.push_back(w);
  }

  for (const PlacedPanel& p : geometry.panels) {
    auto* frame = new QFrame(holder(p.sub_panel));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(place(p.frame, p.sub_panel));
  }
  for (const PlacedText& t : geometry.texts) {
    auto* label = new QLabel(from_utf8(t.text), holder(t.sub_panel));
    label->setFont(measure.font(t.style));
    label->setGeometry(place(t.rect, t.sub_panel));
  }
  for (const PlacedControl& c : geometry.controls)
    if (QWidget* w = control(c, measure, schedule)) w->setGeometry(place(c.rect, c.sub_panel));
  for (const EnterPress& e : geometry.enter_presses)
    Bindings::press_on_enter(static_cast<QLineEdit*>(bindings_.widget(e.box)),
                             static_cast<QPushButton*>(bindings_.widget(e.button)));
  show_sub_panel(0);
}

QWidget* PageView::holder(int sub_panel) const {
  return sub_panel < 0 ? const_cast<PageView*>(this) : sub_panels_.at(static_cast<std::size_t>(sub_panel));
}

QRect PageView::place(const Rect& r, int sub_panel) const {
  const QRect at = to_qrect(r);
  return sub_panel < 0 ? at : at.translated(-holder(sub_panel)->pos());
}

QWidget* PageView::control(const PlacedControl& c, const QtTextMeasure& measure,
                           const ScrollBarWidget::Schedule& schedule) {
  QWidget* parent = holder(c.sub_panel);
  switch (control_array(c.ref.array).kind) {
    case ControlKind::Button: {
      QPushButton* b = bindings_.button(c.ref, parent);
      b->setFont(measure.font(c.style));
      return b;
    }
    case ControlKind::TextBox:
      if (one_line(c.ref)) {
        QLineEdit* box = bindings_.prize_box(c.ref, parent);
        box->setPlaceholderText(from_utf8(c.hint));
        return box;
      }
      return bindings_.condition_box(c.ref, parent);
    case ControlKind::ComboBox: return bindings_.combo(c.ref, parent);
    case ControlKind::CountLabel: return bindings_.count_label(c.ref.index, from_utf8(c.hint), parent);
    case ControlKind::ResultList:
    case ControlKind::CompoundList: return bindings_.list(c.ref, parent);
    case ControlKind::RangeSelector:
      return bindings_.custom(c.ref, std::make_unique<ToleranceSelectorWidget>(c.ref, parent));
    case ControlKind::ResultViewer: {
      auto viewer = std::make_unique<ResultViewerWidget>(schedule, parent);
      viewer->widget()->setObjectName("ucf_q6show");
      return bindings_.custom(c.ref, std::move(viewer));
    }
    case ControlKind::AdvertLabel:
    case ControlKind::Window: break;  // the frame's, on no page
  }
  return nullptr;
}

void PageView::show_sub_panel(int sub_panel) {
  for (std::size_t k = 0; k < sub_panels_.size(); ++k) sub_panels_[k]->setVisible(static_cast<int>(k) == sub_panel);
}

}  // namespace tesvik
