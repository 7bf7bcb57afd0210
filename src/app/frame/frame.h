#pragma once
// The frame around the pages: the mode buttons with their start-up light
// sequence, the top link buttons, the advert labels, the focus sink, the
// initialising overlay, the progress display, the link table and the title.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/controls.h"
#include "support/user_port.h"

namespace tesvik {

inline constexpr int kLinks = 13;

struct FrameState {
  std::array<Button, 4> ding;     // C_ding 0..3: the mode buttons
  std::array<Button, 9> ding_an;  // C_ding_an 1..6 and 8 (0 and 7 absent): links and network status
  std::array<Label, 3> ad;        // L_ad 1, 2 (0 absent): advert labels
  Button c1;                      // C1: takes the focus after a click
  std::string caption;            // Fmain caption
  std::string news;               // the notice file's news line, shown in the bottom bar
  int page = 3;                   // Pic_dibu on top
  bool overlay = false;           // "[系统正在初始化]" shown
  bool progress_visible = false;  // the progress display
  int progress_percent = 0;       // its bar
};

class Frame {
 public:
  explicit Frame(UserPort& port) : port_(port) {}

  FrameState& state() { return state_; }
  const FrameState& state() const { return state_; }
  Button* button(ControlRef c);
  Label* label(ControlRef c);

  // Captions and colours as the window is created.
  void create();
  // The start-up sequence's part: the link table and the window title.
  void load_links_and_title();
  // One step of the light sequence; false when the sequence has ended.
  bool light_tick();
  void click(ControlRef c);
  void hover(ControlRef c);
  void restore_adverts();

  void show_progress(int value, int mode);
  // Opens a link through the port: nothing for an empty link; anything but
  // an http or https URL, or a failure of the browser, shows a message.
  void open_link(std::string_view url);
  // The user confirmed closing: the exit link is opened.
  void open_exit_link() { open_link(lianjie_[12]); }

  const std::array<std::string, kLinks>& links() const { return lianjie_; }
  std::int16_t light_count() const { return shan_cishu_; }
  const std::string& title() const { return ruanjian_biaoti_; }
  const std::string& network_state() const { return network_state_; }

  // What the network start-up changes.
  // The title is stored, shown as the caption and reported to the port.
  void set_title(std::string title);
  void set_link(int slot, std::string link) { lianjie_.at(static_cast<std::size_t>(slot)) = std::move(link); }
  void set_network_state(std::string state) { network_state_ = std::move(state); }
  // The network-status button C_ding_an 8.
  void set_network_status(std::string caption, Colour colour);

 private:
  void switch_page(int page);
  void click_top_button(int index);

  UserPort& port_;
  FrameState state_;
  std::array<std::string, kLinks> lianjie_{};  // lianjie: the link table
  std::string ruanjian_biaoti_;                // ruanjian_biaoti: the window title
  std::string network_state_;                  // "ok" / "ng" after the network start-up
  std::int16_t shan_cishu_ = 0;                // shan_cishu: steps of the light sequence
};

}  // namespace tesvik
