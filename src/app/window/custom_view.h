#pragma once
// A control that draws itself (a range selector, a scroll bar, a result
// viewer) bound into the window like the standard widgets: the bindings ask
// it to render on every sync, and it hands its user events to the App
// through the bindings, which sync the window afterwards as after any click.

#include <functional>

class QWidget;

namespace tesvik {

class App;
class Bindings;

class CustomView {
 public:
  virtual ~CustomView() = default;
  // The widget that shows the control; owned by its Qt parent.
  virtual QWidget* widget() = 0;
  // Shows the App's current state. Runs on every sync, so a view returns at
  // once when what it shows has not changed (lists by their revision).
  virtual void render(App& app) = 0;

 protected:
  // Hands a user event to the App; the window syncs afterwards. Does nothing
  // before the view is registered with the bindings.
  void forward(const std::function<void(App&)>& event);

 private:
  friend class Bindings;
  Bindings* bindings_ = nullptr;
};

}  // namespace tesvik
