#include "web/host_measure.h"

#include <emscripten.h>

namespace {

// The bodies of EM_JS are JavaScript, which clang-format would break.
// clang-format off
EM_JS(int, js_measure_text, (const char* text, std::size_t size, int style), {
  return Math.round(Module.host.measureText(UTF8ToString(text, size), style));
});

EM_JS(int, js_line_height, (), { return Math.round(Module.host.lineHeight()); });
// clang-format on

}  // namespace

namespace tesvik::web {

int HostMeasure::width(std::string_view text, TextStyle style) const {
  return js_measure_text(text.data(), text.size(), static_cast<int>(style));
}

int HostMeasure::line_height() const { return js_line_height(); }

}  // namespace tesvik::web
