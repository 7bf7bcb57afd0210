#include "app/window/bindings.h"

#include <algorithm>

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/control_view.h"
#include "app/key_filter.h"
#include "app/window/busy_cursor.h"
#include "app/window/colour.h"
#include "app/window/condition_box_widget.h"
#include "app/window/elided_button.h"
#include "app/window/pasted_list_view.h"
#include "app/window/qt_text.h"
#include "app/window/result_list_model.h"
#include "app/window/wheel_guard.h"

namespace tesvik {

namespace {

// The model writes line breaks as CR LF, Qt's text widgets as LF.
QString to_widget(std::string_view s) { return from_utf8(s).replace("\r\n", "\n"); }
std::string to_model(const QString& s) { return QString(s).replace("\n", "\r\n").toStdString(); }

std::pair<int, int> key(ControlRef ref) { return {static_cast<int>(ref.array), ref.index}; }

void set_background(QWidget* w, Colour c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Button, to_qcolor(c));
  w->setPalette(p);
}

enum class TextKind { Combo, Plain, Line };

// A key that types one printable character, not a shortcut.
bool types_character(const QKeyEvent& key) {
  const QString typed = key.text();
  const bool shortcut = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  return typed.size() == 1 && typed[0].isPrint() && !shortcut;
}

// A key that would change a box's text: a typed character, a paste or cut,
// a deletion or a line break.
bool edits(const QKeyEvent& key) {
  return types_character(key) || key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) ||
         key.matches(QKeySequence::Delete) || key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Return ||
         key.key() == Qt::Key_Enter;
}

}  // namespace

struct Bindings::ButtonView {
  ControlRef ref;
  QPushButton* widget;
  Button shown;
  bool fresh = true;
};

struct Bindings::TextView {
  ControlRef ref{};
  TextKind kind = TextKind::Line;
  QWidget* widget = nullptr;
  std::string shown;                 // of a combo or one-line box
  std::uint64_t shown_revision = 0;  // of a condition box
  std::size_t items = 0;
  bool fresh = true;
};

struct Bindings::ListView {
  ControlRef ref;
  QListView* widget;
  ResultListModel* model;
  int shown_selection = -1;
};

struct Bindings::LabelView {
  ControlRef ref;
  QLabel* widget;
  QString prefix;
  Label shown;
  bool fresh = true;
};

void CustomView::forward(const std::function<void(App&)>& event) {
  if (bindings_) bindings_->forward(event);
}

Bindings::Bindings(App& app, std::function<void()> after_event) : app_(app), after_event_(std::move(after_event)) {}

Bindings::~Bindings() = default;

void Bindings::handle(const std::function<void()>& event) {
  const BusyCursor busy;
  event();
  after_event_();
}

void Bindings::forward(const std::function<void(App&)>& event) {
  handle([&] { event(app_); });
}

QWidget* Bindings::widget(ControlRef ref) const {
  const auto it = widgets_.find(key(ref));
  return it == widgets_.end() ? nullptr : it->second;
}

QPushButton* Bindings::button(ControlRef ref, QWidget* parent) { return bind_button(ref, new QPushButton(parent)); }

QPushButton* Bindings::link_button(ControlRef ref, QWidget* parent) {
  return bind_button(ref, new ElidedButton(parent));
}

QPushButton* Bindings::bind_button(ControlRef ref, QPushButton* w) {
  w->setAutoFillBackground(true);
  connect(w, &QPushButton::clicked, this, [this, ref] {
    if (QWidget* sink = widget({Ctl::C1, 0})) sink->setFocus();
    handle([&] { app_.click(ref); });
  });
  buttons_.push_back(std::make_unique<ButtonView>(ButtonView{ref, w, {}}));
  widgets_[key(ref)] = w;
  return w;
}

Bindings::TextView* Bindings::add_text(ControlRef ref, QWidget* w) {
  const TextKind kind = qobject_cast<QComboBox*>(w)            ? TextKind::Combo
                        : qobject_cast<ConditionBoxWidget*>(w) ? TextKind::Plain
                                                               : TextKind::Line;
  auto view = std::make_unique<TextView>();
  view->ref = ref;
  view->kind = kind;
  view->widget = w;
  texts_.push_back(std::move(view));
  widgets_[key(ref)] = w;
  return texts_.back().get();
}

// The user changed a box in place: the App takes the text, and the widget is
// not rewritten by the next sync, so that its cursor stays where it is.
void Bindings::edited(TextView* view, const QString& text) {
  handle([&] {
    app_.set_text(view->ref, to_model(text));
    if (const std::string* now = app_.text_of(view->ref)) view->shown = *now;
    view->shown_revision = revision_of(view->ref);
  });
}

// A condition box hands the App only what changed, so that a typed key
// costs the same in a box of any length.
void Bindings::edited_box(TextView* view, std::size_t at, std::size_t count, std::string_view with) {
  handle([&] {
    app_.replace_text(view->ref, at, count, with);
    view->shown_revision = revision_of(view->ref);
    // Every box shows the App's text: this one took the same splice, and
    // the others were synced after the previous event. The sync after this
    // edit need not compare texts, which would cost the boxes' lengths.
    texts_in_sync_ = true;
  });
  texts_in_sync_ = false;
}

QWidget* Bindings::condition_box(ControlRef ref, QWidget* parent) {
  if (app_.read_only(ref)) {
    auto view = std::make_unique<PastedListView>(ref, parent);
    PastedListBox* box = view->box();
    // Edits are refused and a double click empties the box, as in any box.
    for (QObject* part : {static_cast<QObject*>(box), static_cast<QObject*>(box->viewport())}) {
      part->installEventFilter(this);
      refs_[part] = ref;
    }
    return custom(ref, std::move(view));
  }
  // No condition takes a tab character: Tab moves on as in a form.
  auto* w = new ConditionBoxWidget(parent);
  TextView* view = add_text(ref, w);
  connect(w, &ConditionBoxWidget::edited, this, [this, view](std::size_t at, std::size_t count, std::string_view with) {
    edited_box(view, at, count, with);
  });
  w->viewport()->installEventFilter(this);
  refs_[w->viewport()] = ref;
  return w;
}

QLineEdit* Bindings::prize_box(ControlRef ref, QWidget* parent) {
  auto* w = new QLineEdit(parent);
  TextView* view = add_text(ref, w);
  connect(w, &QLineEdit::textEdited, this, [this, view](const QString& text) { edited(view, text); });
  w->installEventFilter(this);
  refs_[w] = ref;
  return w;
}

void Bindings::press_on_enter(QLineEdit* box, QPushButton* button) {
  connect(box, &QLineEdit::returnPressed, button, [box, button] {
    button->click();
    box->setFocus();
  });
}

QComboBox* Bindings::combo(ControlRef ref, QWidget* parent) {
  auto* w = new QComboBox(parent);
  w->setEditable(true);
  w->setInsertPolicy(QComboBox::NoInsert);
  take_wheel_when_focused(w);
  TextView* view = add_text(ref, w);
  connect(w, &QComboBox::editTextChanged, this, [this, view](const QString& text) { edited(view, text); });
  return w;
}

QLabel* Bindings::count_label(int index, const QString& prefix, QWidget* parent) {
  const ControlRef ref{Ctl::L_jg_zhushu, index};
  auto* w = new QLabel(parent);
  labels_.push_back(std::make_unique<LabelView>(LabelView{ref, w, prefix, {}}));
  widgets_[key(ref)] = w;
  return w;
}

QWidget* Bindings::focus_sink(QWidget* parent) {
  auto* w = new QWidget(parent);
  w->setObjectName("C1");
  w->setFixedSize(0, 0);
  // Reached by setFocus() after a click only, never by Tab or the mouse.
  w->setFocusPolicy(Qt::NoFocus);
  widgets_[key({Ctl::C1, 0})] = w;
  return w;
}

QWidget* Bindings::custom(ControlRef ref, std::unique_ptr<CustomView> view) {
  view->bindings_ = this;
  QWidget* w = view->widget();
  customs_.push_back(std::move(view));
  widgets_[key(ref)] = w;
  return w;
}

QLabel* Bindings::advert(int index, QWidget* parent) {
  const ControlRef ref{Ctl::L_ad, index};
  auto* w = new QLabel(parent);
  w->setTextFormat(Qt::PlainText);  // captions come from the notice server
  w->setCursor(Qt::PointingHandCursor);
  w->installEventFilter(this);
  refs_[w] = ref;
  labels_.push_back(std::make_unique<LabelView>(LabelView{ref, w, {}, {}}));
  widgets_[key(ref)] = w;
  return w;
}

QListView* Bindings::list(ControlRef ref, QWidget* parent) {
  auto* w = new QListView(parent);
  auto* model = new ResultListModel(w);
  w->setModel(model);
  w->setUniformItemSizes(true);
  w->setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(w->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this, ref](const QModelIndex& current) { handle([&] { app_.select_row(ref, current.row()); }); });
  lists_.push_back(std::make_unique<ListView>(ListView{ref, w, model}));
  widgets_[key(ref)] = w;
  return w;
}

bool Bindings::eventFilter(QObject* watched, QEvent* event) {
  const auto it = refs_.find(watched);
  if (it == refs_.end()) return false;
  const ControlRef ref = it->second;
  switch (event->type()) {
    case QEvent::MouseButtonDblClick:
      if (ref.array != Ctl::T_nei_txt_ip && ref.array != Ctl::T_q6) return false;
      handle([&] { app_.double_click(ref); });
      return true;
    case QEvent::Enter:
      if (ref.array == Ctl::L_ad) handle([&] { app_.hover(ref); });
      return false;
    case QEvent::MouseButtonPress:
      if (ref.array != Ctl::L_ad) return false;
      handle([&] { app_.click(ref); });
      return true;
    case QEvent::KeyPress: {
      const auto& key = *static_cast<QKeyEvent*>(event);
      if (ref.array == Ctl::T_duijiang) return !key_accepted(*static_cast<QLineEdit*>(watched), ref, key);
      if (!app_.read_only(ref) || !edits(key)) return false;
      // The App refuses the edit and says how the box is filled.
      handle([&] { app_.type_text(ref, key.text().toStdString()); });
      return true;
    }
    default: return false;
  }
}

// The prize boxes edit as any line edit does; only a typed character passes
// the App's key filter first, which sees the text that the character would
// join (the box without its selection, since typing replaces it). Keys that
// type no character (Backspace, Delete, arrows, Home, End, Enter) and
// shortcuts are the line edit's own. The filter decides by the first few
// characters of that text alone, so it is shown only those: a key costs the
// same in a box of any length.
bool Bindings::key_accepted(const QLineEdit& box, ControlRef ref, const QKeyEvent& key) {
  if (!types_character(key)) return true;
  const QString typed = key.text();
  if (!app_.text_of(ref)) return true;
  constexpr qsizetype kShown = 2 * static_cast<qsizetype>(kLongestPrizeLimit);  // UTF-16 units
  const QString text = box.text();
  const qsizetype cut = box.hasSelectedText() ? box.selectionStart() : text.size();
  const qsizetype resume = box.hasSelectedText() ? cut + box.selectionLength() : text.size();
  const QString head = text.left(std::min(cut, kShown)) + text.mid(resume, std::max<qsizetype>(0, kShown - cut));
  // Ask the filter on the App's own box, then put the box back as it was:
  // the line edit inserts the character and reports the whole new text.
  const std::string joined = to_model(head);
  std::string kept;
  app_.edit_text(ref, [&](std::string& model) {
    kept = std::move(model);
    model = joined;
  });
  app_.type_text(ref, typed.toStdString());
  const bool accepted = *app_.text_of(ref) != joined;
  app_.edit_text(ref, [&](std::string& model) { model = std::move(kept); });
  return accepted;
}

void Bindings::sync() {
  sync_buttons();
  sync_texts();
  sync_lists();
  sync_labels();
  for (auto& view : customs_) view->render(app_);
}

void Bindings::sync_buttons() {
  for (auto& v : buttons_) {
    const std::optional<ControlView> b = control_view(app_, v->ref);
    if (!b) continue;
    if (!v->fresh && b->colour == v->shown.colour && b->enabled == v->shown.enabled && b->caption == v->shown.caption &&
        b->visible == v->shown.visible)
      continue;
    if (v->fresh || b->colour != v->shown.colour) set_background(v->widget, b->colour);
    if (v->fresh || b->caption != v->shown.caption) v->widget->setText(to_widget(b->caption));
    if (v->fresh || b->enabled != v->shown.enabled) v->widget->setEnabled(b->enabled);
    // Buttons start shown with their page; only a hidden one is hidden here.
    if (v->fresh ? !b->visible : b->visible != v->shown.visible) v->widget->setVisible(b->visible);
    v->shown = {b->colour, std::string(b->caption), b->enabled, b->visible};
    v->fresh = false;
  }
}

void Bindings::sync_texts() {
  if (texts_in_sync_) return;
  for (auto& v : texts_) {
    const std::optional<ControlView> view = control_view(app_, v->ref);
    if (!view) continue;
    auto* combo = v->kind == TextKind::Combo ? static_cast<QComboBox*>(v->widget) : nullptr;
    if (combo && view->items.size() != v->items) {
      const QSignalBlocker block(combo);
      combo->clear();
      for (const std::string& item : view->items) combo->addItem(QString::fromStdString(item));
      v->items = view->items.size();
      v->fresh = true;
    }
    const std::string_view text = view->text;
    if (!v->fresh && (view->revised ? view->revision == v->shown_revision : text == v->shown)) continue;
    const QSignalBlocker block(v->widget);
    switch (v->kind) {
      case TextKind::Combo: combo->setEditText(to_widget(text)); break;
      case TextKind::Plain: static_cast<ConditionBoxWidget*>(v->widget)->show_text(text); break;
      case TextKind::Line: static_cast<QLineEdit*>(v->widget)->setText(to_widget(text)); break;
    }
    // A condition box keeps its text itself and is compared by revision.
    if (v->kind != TextKind::Plain) v->shown = text;
    v->shown_revision = view->revision;
    v->fresh = false;
  }
}

std::uint64_t Bindings::revision_of(ControlRef ref) {
  const TextBox* box = app_.box_of(ref);
  return box ? box->revision() : 0;
}

void Bindings::sync_lists() {
  for (auto& v : lists_) {
    const std::optional<ControlView> list = control_view(app_, v->ref);
    if (!list) continue;
    const bool reset = v->model->update(list->revision, control_rows(app_, v->ref, 0, list->rows));
    if (reset || list->selected != v->shown_selection) {
      const QSignalBlocker block(v->widget->selectionModel());
      if (list->selected < 0) v->widget->selectionModel()->clear();
      else v->widget->setCurrentIndex(v->model->index(list->selected));
      v->shown_selection = list->selected;
    }
  }
}

void Bindings::sync_labels() {
  for (auto& v : labels_) {
    const std::optional<ControlView> l = control_view(app_, v->ref);
    if (!l) continue;
    if (!v->fresh && l->caption == v->shown.caption && l->colour == v->shown.fore && l->underline == v->shown.underline)
      continue;
    v->widget->setText(v->prefix + from_utf8(l->caption));
    if (v->ref.array == Ctl::L_ad) {
      QPalette p = v->widget->palette();
      p.setColor(QPalette::WindowText, to_qcolor(l->colour));
      v->widget->setPalette(p);
      QFont f = v->widget->font();
      f.setUnderline(l->underline);
      v->widget->setFont(f);
    }
    v->shown = {std::string(l->caption), l->colour, l->underline, l->visible};
    v->fresh = false;
  }
}

}  // namespace tesvik
