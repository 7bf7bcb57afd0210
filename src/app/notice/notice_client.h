#pragma once
// The network start-up, run once on the first tick of Timer_caiji: it
// refuses a second copy of the program, reads the notice file from the
// primary or else the secondary server and applies it to the frame, keeps
// an install identifier in the settings and reports it to the server that
// answered. HTTP answers arrive asynchronously in the window (it stays
// usable meanwhile) and at once in the batch runner; each step waits until
// no user event is running, so its effects keep their order and never cut
// into another action.

#include <functional>
#include <string>
#include <string_view>

#include "app/frame/frame.h"
#include "app/notice/event_gate.h"
#include "app/notice/notice_config.h"
#include "app/notice/notice_ports.h"
#include "support/user_port.h"

namespace tesvik {

// The version of this build, a date written as a number; a notice naming a
// greater one stops the program.
inline constexpr double kBuildVersion = 20200327;

class NoticeClient {
 public:
  struct Hooks {
    std::function<bool()> ended;        // the program has ended: nothing more happens
    std::function<void()> end_program;  // ends it (second copy, upgrade notice)
  };

  NoticeClient(UserPort& port, Frame& frame, EventGate& gate, Hooks hooks)
      : port_(port), frame_(frame), gate_(gate), hooks_(std::move(hooks)) {}

  // Without ports the sequence checks and stores nothing and, having no
  // server either, only shows that the program works offline.
  void attach(NetworkPorts& ports, NoticeConfig config) {
    ports_ = &ports;
    config_ = std::move(config);
  }

  // Runs the sequence; later calls do nothing.
  void start();
  // The sequence's first step alone: when another copy runs, says so and
  // ends the program; true then. The window runs it before it shows itself.
  bool refuse_second_copy();
  bool started() const { return started_; }
  const std::string& install_id() const { return install_id_; }
  const std::string& upgrade_link() const { return upgrade_link_; }
  const std::string& latest_version() const { return latest_version_; }

 private:
  void fetch_notice(int server);
  void notice_answer(int server, const std::string& text);
  void notice_failed();
  // Applies the entries in their order; a malformed entry ends the step
  // silently, the upgrade notice ends the program.
  void apply_notice(std::string_view text);
  void make_install_id();
  void send_report();
  // Sends the request; `next` runs with the answer once the application is idle.
  void request(std::string_view mode, std::string url, std::string_view data, int timeout_ms,
               std::function<void(const std::string&)> next);

  UserPort& port_;
  Frame& frame_;
  EventGate& gate_;
  Hooks hooks_;
  NetworkPorts* ports_ = nullptr;
  NoticeConfig config_;
  bool started_ = false;
  std::string base_url_;        // the server base URL in use
  std::string upgrade_link_;    // "[shengji]"
  std::string latest_version_;  // "[banben]"
  std::string install_id_;
};

}  // namespace tesvik
