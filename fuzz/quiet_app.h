#pragma once
// The application without a window as the fuzz targets drive it: started as
// the batch runner starts it, its output lines going nowhere.

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

#include "app/app.h"
#include "app/batch/batch_port.h"

namespace tesvik::fuzz {

struct QuietApp {
  std::ostream sink{nullptr};  // a stream without a buffer drops what it is given
  BatchPort port{sink};
  App app{port};

  QuietApp() {
    port.attach(app);
    app.start_without_window();
  }
};

// The fuzzer's bytes: leading bytes pick among choices, the rest is text.
class FuzzBytes {
 public:
  FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  // A number below `count` taken from the next byte (0 when none is left).
  int pick(int count) { return size_ == 0 ? 0 : (--size_, *data_++ % count); }
  std::string rest() const { return std::string(reinterpret_cast<const char*>(data_), size_); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace tesvik::fuzz
