// Any response body of the notice server: read as the program reads it
// (UTF-8 or GB18030) and applied by the network start-up to the frame.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/net/response_text.h"
#include "app/notice/notice_ports.h"
#include "quiet_app.h"

namespace {

// Answers the notice file's request with the fuzzer's body and every other
// request with nothing; stores nothing.
struct BodyPorts : tesvik::NetworkPorts {
  std::string body;
  bool another_instance_running() override { return false; }
  std::string read_install_id() override { return {}; }
  bool save_install_id(std::string_view) override { return true; }
  void fetch(const tesvik::HttpRequest& request, std::function<void(std::string)> done) override {
    done(request.url.ends_with("pk10.txt") ? tesvik::response_text(body) : std::string());
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  BodyPorts ports;
  ports.body.assign(reinterpret_cast<const char*>(data), size);
  tesvik::NoticeConfig config;
  config.primary = "http://primary.test/";
  config.secondary = "http://secondary.test/";
  tesvik::fuzz::QuietApp quiet;
  quiet.app.attach_network(ports, config);
  quiet.app.run_network();
  quiet.app.advance_time(60000);  // the tip windows and timers that the notice started
  return 0;
}
