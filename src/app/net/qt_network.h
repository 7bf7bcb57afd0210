#pragma once
// The network start-up's ports on Qt: HTTP on Qt's sockets (HttpClient), the
// install identifier in QSettings and the single-instance lock as a kernel
// lock on a file. Qt stays inside the implementation, so the batch runner
// and the window include this header without Qt's.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/notice/notice_config.h"
#include "app/notice/notice_ports.h"

namespace tesvik {

class QtNetworkPorts final : public NetworkPorts {
 public:
  enum class Wait {
    Async,     // fetch returns at once, the answer comes from the event loop (the window)
    Blocking,  // fetch returns with the answer, running a local event loop meanwhile (the batch runner)
  };

  // Takes the settings file and the lock file from the configuration (empty:
  // the user's settings, the user's runtime directory). Creates the Qt core
  // application when the process has none yet (the batch runner).
  QtNetworkPorts(Wait wait, const NoticeConfig& config);
  ~QtNetworkPorts() override;
  QtNetworkPorts(const QtNetworkPorts&) = delete;
  QtNetworkPorts& operator=(const QtNetworkPorts&) = delete;

  // Runs after every answer that arrived from the event loop has been
  // handed over, so that the window can show the new state.
  void after_answer(std::function<void()> hook);
  // Once this copy holds the lock, a later copy that finds it running asks
  // it to show its window: `raise` runs then. Without it nothing listens.
  void on_raise_request(std::function<void()> raise);

  bool another_instance_running() override;
  std::string read_install_id() override;
  bool save_install_id(std::string_view id) override;
  void fetch(const HttpRequest& request, std::function<void(std::string)> done) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Ports that wait for each answer (Wait::Blocking), for the batch runner.
std::unique_ptr<NetworkPorts> blocking_network_ports(const NoticeConfig& config);

}  // namespace tesvik
