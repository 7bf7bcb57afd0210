#include "app/window/bindings.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/window/colour.h"
#include "app/window/result_list_model.h"

namespace tesvik {

namespace {

// The model writes line breaks as CR LF, Qt's text widgets as LF.
QString to_widget(const std::string& s) { return QString::fromStdString(s).replace("\r\n", "\n"); }
std::string to_model(const QString& s) { return QString(s).replace("\n", "\r\n").toStdString(); }

std::pair<int, int> key(ControlRef ref) { return {static_cast<int>(ref.array), ref.index}; }

void set_background(QWidget* w, Colour c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Button, to_qcolor(c));
  w->setPalette(p);
}

}  // namespace

struct Bindings::ButtonView {
  ControlRef ref;
  QPushButton* widget;
  Button shown;
  bool fresh = true;
};

struct Bindings::TextView {
  ControlRef ref;
  QWidget* widget;
  std::string shown;
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

Bindings::Bindings(App& app, std::function<void()> after_event) : app_(app), after_event_(std::move(after_event)) {}

Bindings::~Bindings() = default;

void Bindings::handle(const std::function<void()>& event) {
  event();
  after_event_();
}

QWidget* Bindings::widget(ControlRef ref) const {
  const auto it = widgets_.find(key(ref));
  return it == widgets_.end() ? nullptr : it->second;
}

QPushButton* Bindings::button(ControlRef ref, QWidget* parent) {
  auto* w = new QPushButton(parent);
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
  texts_.push_back(std::make_unique<TextView>(TextView{ref, w, {}}));
  widgets_[key(ref)] = w;
  return texts_.back().get();
}

// The user changed a box in place: the App takes the text, and the widget is
// not rewritten by the next sync, so that its cursor stays where it is.
void Bindings::edited(TextView* view, const QString& text) {
  handle([&] {
    app_.set_text(view->ref, to_model(text));
    if (const std::string* now = app_.text_of(view->ref)) view->shown = *now;
  });
}

QPlainTextEdit* Bindings::condition_box(int index, QWidget* parent) {
  const ControlRef ref{Ctl::T_nei_txt_ip, index};
  auto* w = new QPlainTextEdit(parent);
  w->setLineWrapMode(QPlainTextEdit::NoWrap);
  TextView* view = add_text(ref, w);
  connect(w, &QPlainTextEdit::textChanged, this, [this, view, w] { edited(view, w->toPlainText()); });
  w->viewport()->installEventFilter(this);
  refs_[w->viewport()] = ref;
  return w;
}

QLineEdit* Bindings::prize_box(int index, QWidget* parent) {
  const ControlRef ref{Ctl::T_duijiang, index};
  auto* w = new QLineEdit(parent);
  TextView* view = add_text(ref, w);
  connect(w, &QLineEdit::textEdited, this, [this, view](const QString& text) { edited(view, text); });
  w->installEventFilter(this);
  refs_[w] = ref;
  return w;
}

QComboBox* Bindings::combo(ControlRef ref, QWidget* parent) {
  auto* w = new QComboBox(parent);
  w->setEditable(true);
  w->setInsertPolicy(QComboBox::NoInsert);
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

QLabel* Bindings::advert(int index, QWidget* parent) {
  const ControlRef ref{Ctl::L_ad, index};
  auto* w = new QLabel(parent);
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
      if (ref.array != Ctl::T_nei_txt_ip) return false;
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
      if (ref.array != Ctl::T_duijiang) return false;
      auto* key_event = static_cast<QKeyEvent*>(event);
      const bool navigation = key_event->key() == Qt::Key_Tab || key_event->key() == Qt::Key_Backtab;
      if (navigation || key_event->text().isEmpty() || (key_event->modifiers() & Qt::ControlModifier)) return false;
      // Typed characters go through the box's key filter in the App.
      handle([&] { app_.type_text(ref, key_event->text().toStdString()); });
      return true;
    }
    default: return false;
  }
}

void Bindings::sync() {
  for (auto& v : buttons_) {
    const Button* b = app_.button_of(v->ref);
    if (!b) continue;
    if (v->fresh || b->colour != v->shown.colour) set_background(v->widget, b->colour);
    if (v->fresh || b->caption != v->shown.caption) v->widget->setText(to_widget(b->caption));
    if (v->fresh || b->enabled != v->shown.enabled) v->widget->setEnabled(b->enabled);
    v->shown = *b;
    v->fresh = false;
  }
  for (auto& v : texts_) {
    const std::string* text = app_.text_of(v->ref);
    if (!text) continue;
    const QSignalBlocker block(v->widget);
    if (auto* combo = qobject_cast<QComboBox*>(v->widget)) {
      const auto& items = app_.combo_of(v->ref)->items;
      if (items.size() != v->items) {
        combo->clear();
        for (const std::string& item : items) combo->addItem(QString::fromStdString(item));
        v->items = items.size();
        v->fresh = true;
      }
      if (v->fresh || *text != v->shown) combo->setEditText(to_widget(*text));
    } else if (v->fresh || *text != v->shown) {
      if (auto* plain = qobject_cast<QPlainTextEdit*>(v->widget)) plain->setPlainText(to_widget(*text));
      if (auto* line = qobject_cast<QLineEdit*>(v->widget)) line->setText(to_widget(*text));
    }
    v->shown = *text;
    v->fresh = false;
  }
  for (auto& v : lists_) {
    const ListBox& list = *app_.list_of(v->ref);
    const bool reset = v->model->update(list);
    if (reset || list.selected != v->shown_selection) {
      const QSignalBlocker block(v->widget->selectionModel());
      if (list.selected < 0) v->widget->selectionModel()->clear();
      else v->widget->setCurrentIndex(v->model->index(list.selected));
      v->shown_selection = list.selected;
    }
  }
  for (auto& v : labels_) {
    const Label& l = *app_.label_of(v->ref);
    if (!v->fresh && l.caption == v->shown.caption && l.fore == v->shown.fore && l.underline == v->shown.underline)
      continue;
    v->widget->setText(v->prefix + QString::fromStdString(l.caption));
    if (v->ref.array == Ctl::L_ad) {
      QPalette p = v->widget->palette();
      p.setColor(QPalette::WindowText, to_qcolor(l.fore));
      v->widget->setPalette(p);
      QFont f = v->widget->font();
      f.setUnderline(l.underline);
      v->widget->setFont(f);
    }
    v->shown = l;
    v->fresh = false;
  }
}

}  // namespace tesvik
