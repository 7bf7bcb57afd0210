#pragma once
// The main window as a plain object: the state of every control, the
// timers, the link table and the engines. The Qt window renders it and
// forwards events to it; the batch runner drives the same object.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/controls.h"
#include "app/panel_state.h"
#include "app/timers.h"
#include "filter/filter_engine.h"
#include "support/user_port.h"

namespace tesvik {

inline constexpr int kLinks = 13;

// The frame around the pages: top bar, advert labels, overlay, progress.
struct FrameState {
  std::array<Button, 4> ding;     // C_ding 0..3
  std::array<Button, 9> ding_an;  // C_ding_an 1..6 and 8 (0 and 7 absent)
  std::array<Label, 3> ad;        // L_ad 1, 2 (0 absent)
  Button c1;                      // focus sink
  std::string caption;            // Fmain caption
  int page = 3;                   // Pic_dibu on top
  bool overlay = false;           // "[系统正在初始化]" shown
  bool progress_visible = false;  // Picture1 100
  int progress_percent = 0;       // bar of Picture1 101
};

class App {
 public:
  explicit App(UserPort& port);
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // The window is created: captions and colours of the frame, timers armed.
  void create();
  // Runs create(), the start-up sequence and the light sequence at once, as
  // a window would have done after about one second (used without a window).
  void start_without_window();

  // Time passes; due timers fire.
  void advance_time(std::int64_t ms);
  void timer_tick(TimerId id);
  Timers& timers() { return timers_; }

  // User events. Controls that have no such handler ignore the event.
  void click(ControlRef c);
  void double_click(ControlRef c);
  void hover(ControlRef c);
  void set_text(ControlRef c, std::string text);  // as a paste: no key filter
  void type_text(ControlRef c, std::string_view utf8);
  void select_row(ControlRef c, int row);
  void close_request();
  bool ended() const { return ended_; }

  // The text of a text box or combo box; nullptr for other controls or
  // indices outside the array.
  std::string* text_of(ControlRef c);
  // A button's state; nullptr for other controls or indices outside the array.
  Button* button_of(ControlRef c);
  // Likewise for combo boxes, list boxes and labels.
  ComboBox* combo_of(ControlRef c);
  ListBox* list_of(ControlRef c);
  Label* label_of(ControlRef c);

  PanelState& panel() { return panel_; }
  const PanelState& panel() const { return panel_; }
  FrameState& frame() { return frame_; }
  const FrameState& frame() const { return frame_; }
  FilterEngine& engine() { return engine_; }
  const std::array<std::string, kLinks>& links() const { return lianjie_; }
  std::int16_t light_count() const { return shan_cishu_; }
  const std::string& title() const { return ruanjian_biaoti_; }
  const std::string& network_state() const { return network_state_; }

  void show_progress(int value, int mode);
  // Opens a link through the port: nothing for an empty link; anything but
  // an http or https URL, or a failure of the browser, shows a message.
  void open_link(std::string_view url);

 private:
  void run_startup();
  void light_tick();
  void switch_page(int page);
  void click_top_button(int index);
  void click_help(int index);
  void restore_adverts();
  FilterContext filter_context();

  UserPort& port_;
  PanelState panel_;
  FrameState frame_;
  FilterEngine engine_;
  Timers timers_;
  std::array<std::string, kLinks> lianjie_{};
  std::string ruanjian_biaoti_;
  std::string tishi_xinxi_;
  std::string network_state_;
  std::int16_t shan_cishu_ = 0;
  bool ended_ = false;
};

}  // namespace tesvik
