// The App for the page's JavaScript: a plain C interface, called through the
// module's ccall/cwrap. One App lives in the module, on the web port and the
// browser's clock. Controls are named as in the batch runner (`C_jg_gn`, 0);
// text crosses as UTF-8. A call with a control that the program does not
// have returns -1 (or an empty text) and changes nothing.

#include <emscripten/emscripten.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/app.h"
#include "app/control_table.h"
#include "app/control_view.h"
#include "app/help_texts.h"
#include "app/layout/page_geometry.h"
#include "app/tools/page_tool_buttons.h"
#include "app/warm_up.h"
#include "web/browser_clock.h"
#include "web/host_measure.h"
#include "web/render_json.h"
#include "web/view_changes.h"
#include "web/web_port.h"

namespace {

struct Edition {
  tesvik::web::WebPort port;
  tesvik::App app{port};
  tesvik::web::BrowserClock clock{app};
  tesvik::web::ViewChanges changes;
  Edition() { port.attach(app, clock); }
};

std::unique_ptr<Edition> edition;
std::string text_reply;  // the text that the last text-returning call hands back

std::optional<tesvik::ControlRef> control(const char* name, int index) {
  const tesvik::ControlArray* array = tesvik::find_control(name);
  if (!array) return std::nullopt;
  const tesvik::ControlRef ref{array->ctl, array->indexed() ? index : 0};
  if (!tesvik::control_exists(ref)) return std::nullopt;
  return ref;
}

// Runs `event` on the named control; -1 when there is no App or no such control.
template <typename Event>
int on_control(const char* name, int index, Event event) {
  if (!edition) return -1;
  const auto ref = control(name, index);
  if (!ref) return -1;
  event(edition->app, *ref);
  return 0;
}

tesvik::Mode mode_of(int mode) { return static_cast<tesvik::Mode>(std::clamp(mode, 0, 3)); }

}  // namespace

extern "C" {

// Creates the App as a window does and starts its timers on the browser's
// clock: the start-up sequence runs about a second later.
EMSCRIPTEN_KEEPALIVE void tesvik_start() {
  if (edition) return;
  edition = std::make_unique<Edition>();
  edition->app.create();
  edition->clock.start();
}

// Runs the engine's heavy paths once on an App that no one sees, so that
// the user's first run does not wait for their compilation; a page calls it
// once it has drawn itself, so that it shows sooner.
EMSCRIPTEN_KEEPALIVE void tesvik_warm_up() {
  static bool warm = false;
  if (warm) return;
  warm = true;
  tesvik::warm_up();
}

// Stops the App's clock (the page is closing; the program has ended).
EMSCRIPTEN_KEEPALIVE void tesvik_stop() {
  if (edition) edition->clock.stop();
}

EMSCRIPTEN_KEEPALIVE int tesvik_ended() { return edition && edition->app.ended() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE int tesvik_click(const char* name, int index) {
  return on_control(name, index, [](tesvik::App& app, tesvik::ControlRef c) { app.click(c); });
}

EMSCRIPTEN_KEEPALIVE int tesvik_double_click(const char* name, int index) {
  return on_control(name, index, [](tesvik::App& app, tesvik::ControlRef c) { app.double_click(c); });
}

EMSCRIPTEN_KEEPALIVE int tesvik_hover(const char* name, int index) {
  return on_control(name, index, [](tesvik::App& app, tesvik::ControlRef c) { app.hover(c); });
}

// The box's text becomes `text`, as a paste does.
EMSCRIPTEN_KEEPALIVE int tesvik_set_text(const char* name, int index, const char* text) {
  return on_control(name, index, [text](tesvik::App& app, tesvik::ControlRef c) { app.set_text(c, text); });
}

// Keys typed into the box, through its key filter.
EMSCRIPTEN_KEEPALIVE int tesvik_type_text(const char* name, int index, const char* text) {
  return on_control(name, index, [text](tesvik::App& app, tesvik::ControlRef c) { app.type_text(c, text); });
}

EMSCRIPTEN_KEEPALIVE int tesvik_select_row(const char* name, int index, int row) {
  return on_control(name, index, [row](tesvik::App& app, tesvik::ControlRef c) { app.select_row(c, row); });
}

// A tolerance selector's two lists chose `lower` and `upper`.
EMSCRIPTEN_KEEPALIVE int tesvik_choose_range(const char* name, int index, const char* lower, const char* upper) {
  return on_control(name, index, [lower, upper](tesvik::App& app, tesvik::ControlRef c) {
    if (tesvik::ToleranceSelector* s = app.selector_of(c)) s->choose(lower, upper);
  });
}

// The result viewer's scroll bar moved to `value` (its first row shown).
EMSCRIPTEN_KEEPALIVE void tesvik_scroll_viewer(int value) {
  if (edition) edition->app.scroll_viewer(value);
}

// 1 when the box refuses typing and pasting (it is filled by its "粘").
EMSCRIPTEN_KEEPALIVE int tesvik_read_only(const char* name, int index) {
  const auto ref = control(name, index);
  return edition && ref && edition->app.read_only(*ref) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void tesvik_close_request() {
  if (edition) edition->app.close_request();
}

// The page tools of a page (0 front three .. 3 front six); the file is the
// page's choice (web port).
EMSCRIPTEN_KEEPALIVE void tesvik_save_scheme(int mode) {
  if (edition) edition->app.save_scheme(mode_of(mode));
}

EMSCRIPTEN_KEEPALIVE void tesvik_load_scheme(int mode) {
  if (edition) edition->app.load_scheme(mode_of(mode));
}

EMSCRIPTEN_KEEPALIVE void tesvik_export_picks(int mode) {
  if (edition) edition->app.export_picks(mode_of(mode));
}

// The help text of a page tool's "说明" (0 保存方案 .. 3 历史验证).
EMSCRIPTEN_KEEPALIVE void tesvik_tool_help(int tool) {
  if (!edition || tool < 0 || tool >= static_cast<int>(tesvik::kPageToolButtons.size())) return;
  const auto& info = tesvik::kPageToolButtons[static_cast<std::size_t>(tool)];
  tesvik::help_texts().show(edition->port, tesvik::kPageToolHelpSection, info.help_key);
}

// The past draws of `draws` checked against the page's last run, as JSON
// (render_json.h); empty when there is no run to check against (the App
// has said so).
EMSCRIPTEN_KEEPALIVE const char* tesvik_check_history(int mode, const char* draws) {
  text_reply.clear();
  if (!edition) return text_reply.c_str();
  if (const auto report = edition->app.check_history(mode_of(mode), draws))
    text_reply = tesvik::web::history_json(*report);
  return text_reply.c_str();
}

// The count the page shows for its last run; -1 without an App.
EMSCRIPTEN_KEEPALIVE int tesvik_kept_count(int mode) { return edition ? edition->app.kept_count(mode_of(mode)) : -1; }

// A text box's or combo box's text, or a label's caption.
EMSCRIPTEN_KEEPALIVE const char* tesvik_text(const char* name, int index) {
  text_reply.clear();
  on_control(name, index, [](tesvik::App& app, tesvik::ControlRef c) {
    if (const std::string* text = app.text_of(c)) text_reply = *text;
    else if (const tesvik::Label* label = app.label_of(c)) text_reply = label->caption;
  });
  return text_reply.c_str();
}

// The geometry of a page (0 front three .. 3 front six) in the page's fonts,
// as JSON (src/web/render_json.h): the one layout that the window uses too.
EMSCRIPTEN_KEEPALIVE const char* tesvik_page_layout(int page) {
  text_reply = tesvik::web::page_json(tesvik::page_geometry(std::clamp(page, 0, 3), tesvik::web::HostMeasure()));
  return text_reply.c_str();
}

// What to draw for a control, as JSON (src/web/render_json.h); empty
// without an App or for a control the program does not have.
EMSCRIPTEN_KEEPALIVE const char* tesvik_view(const char* name, int index) {
  text_reply.clear();
  on_control(name, index, [](tesvik::App& app, tesvik::ControlRef c) {
    if (const auto view = tesvik::control_view(app, c)) text_reply = tesvik::web::view_json(*view);
  });
  return text_reply.c_str();
}

// Up to `count` rows from `first` of a list or of the result viewer, as a
// JSON array of strings.
EMSCRIPTEN_KEEPALIVE const char* tesvik_rows(const char* name, int index, int first, int count) {
  text_reply = "[]";
  on_control(name, index, [first, count](tesvik::App& app, tesvik::ControlRef c) {
    text_reply = tesvik::web::rows_json(tesvik::control_rows(app, c, first, count));
  });
  return text_reply.c_str();
}

// What changed since the last call (web/view_changes.h); everything on the
// first call.
EMSCRIPTEN_KEEPALIVE const char* tesvik_changes() {
  text_reply = edition ? edition->changes.take(edition->app) : "";
  return text_reply.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tesvik_title() {
  text_reply = edition ? edition->app.title() : "";
  return text_reply.c_str();
}

}  // extern "C"
