#pragma once
// The widgets of the window bound to the controls of the application state:
// each widget forwards its events to the App, and sync() shows the App's
// current state on every widget whose value changed since the last sync.

#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "app/window/custom_view.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

namespace tesvik {

class ResultListModel;

class Bindings : public QObject {
 public:
  // after_event runs after every event handed to the App.
  Bindings(App& app, std::function<void()> after_event);
  ~Bindings() override;

  QPushButton* button(ControlRef ref, QWidget* parent);
  // A button of the top bar's links: its caption is cut with "…" when the
  // button is narrower, and shown whole in its tool tip.
  QPushButton* link_button(ControlRef ref, QWidget* parent);
  // A multi-line box (T_nei_txt_ip, T_q6); a double click empties it. A
  // box that only shows a pasted list is a PastedListBox, otherwise a ConditionBoxWidget.
  QWidget* condition_box(ControlRef ref, QWidget* parent);
  // A one-line box: the prize boxes T_duijiang, whose typed characters pass
  // the App's key filter, and the front-six prize box T_q6 12, which takes
  // any text and empties on a double click like the page's other boxes.
  QLineEdit* prize_box(ControlRef ref, QWidget* parent);
  QComboBox* combo(ControlRef ref, QWidget* parent);
  // Enter in `box` presses `button`; the keyboard focus then comes back to
  // the box, which the button's click had moved to C1.
  static void press_on_enter(QLineEdit* box, QPushButton* button);
  QLabel* count_label(int index, const QString& prefix, QWidget* parent);
  QListView* list(ControlRef ref, QWidget* parent);
  QLabel* advert(int index, QWidget* parent);
  // C1: takes the keyboard focus after every button click, so that no panel
  // button keeps a focus frame. It draws nothing and has no size.
  QWidget* focus_sink(QWidget* parent);
  // A self-drawn control under ref; the bindings keep the view.
  QWidget* custom(ControlRef ref, std::unique_ptr<CustomView> view);

  // Hands a user event to the App, then runs after_event.
  void forward(const std::function<void(App&)>& event);

  void sync();
  // The widget bound to a control; nullptr when none is.
  QWidget* widget(ControlRef ref) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ButtonView;
  struct TextView;
  struct ListView;
  struct LabelView;
  QPushButton* bind_button(ControlRef ref, QPushButton* w);
  void handle(const std::function<void()>& event);
  TextView* add_text(ControlRef ref, QWidget* w);
  void edited(TextView* view, const QString& text);
  void edited_box(TextView* view, std::size_t at, std::size_t count, std::string_view with);
  bool key_accepted(const QLineEdit& box, ControlRef ref, const QKeyEvent& key);
  void sync_buttons();
  // The edit revision of a condition box; 0 for another control.
  std::uint64_t revision_of(ControlRef ref);
  void sync_texts();
  void sync_lists();
  void sync_labels();

  App& app_;
  std::function<void()> after_event_;
  std::vector<std::unique_ptr<ButtonView>> buttons_;
  std::vector<std::unique_ptr<TextView>> texts_;
  std::vector<std::unique_ptr<ListView>> lists_;
  std::vector<std::unique_ptr<LabelView>> labels_;
  std::vector<std::unique_ptr<CustomView>> customs_;
  bool texts_in_sync_ = false;           // during the sync after a condition box's edit
  std::map<QObject*, ControlRef> refs_;  // watched widget -> control
  std::map<std::pair<int, int>, QWidget*> widgets_;
};

}  // namespace tesvik
