#include "web/host_calls.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace {

enum Reply { kClipboard, kChosenFile, kUploadedFile };

// A reply of the page, asked with `arg`: text as UTF-8 or a file's bytes, in
// a buffer of malloc with its length written to *size; nullptr for none
// (null or undefined).
// The bodies of EM_JS are JavaScript, which clang-format would break.
// clang-format off
EM_JS(char*, js_reply, (int call, const char* arg, std::size_t arg_size, std::size_t* size), {
  const host = Module.host;
  const what = UTF8ToString(arg, arg_size);
  const reply = call == 0 ? host.readClipboard() : call == 1 ? host.chooseFile(what) : host.readFile(what);
  if (reply === null || reply === undefined) return 0;
  const bytes = reply instanceof Uint8Array ? reply : new TextEncoder().encode(String(reply));
  const buffer = _malloc(bytes.length + 1);
  HEAPU8.set(bytes, buffer);
  HEAPU32[size >> 2] = bytes.length;
  return buffer;
});

EM_JS(void, js_message, (const char* title, std::size_t title_size, const char* text, std::size_t text_size), {
  Module.host.message(UTF8ToString(title, title_size), UTF8ToString(text, text_size));
});

EM_JS(int, js_question, (const char* title, std::size_t title_size, const char* text, std::size_t text_size), {
  return Module.host.question(UTF8ToString(title, title_size), UTF8ToString(text, text_size)) ? 1 : 0;
});

EM_JS(int, js_write_clipboard, (const char* text, std::size_t size), {
  return Module.host.writeClipboard(UTF8ToString(text, size)) ? 1 : 0;
});

EM_JS(void, js_show_tip, (const char* text, std::size_t size), { Module.host.showTip(UTF8ToString(text, size)); });

EM_JS(void, js_show_progress, (int visible, int percent), { Module.host.showProgress(visible != 0, percent); });

EM_JS(int, js_open_link, (const char* url, std::size_t size), {
  return Module.host.openLink(UTF8ToString(url, size)) ? 1 : 0;
});

EM_JS(void, js_set_title, (const char* title, std::size_t size), { Module.host.setTitle(UTF8ToString(title, size)); });

EM_JS(void, js_quit, (), { Module.host.quit(); });

EM_JS(int, js_save_file, (const char* name, std::size_t name_size, const char* bytes, std::size_t size), {
  return Module.host.saveFile(UTF8ToString(name, name_size), HEAPU8.slice(bytes, bytes + size)) ? 1 : 0;
});

// clang-format on

std::optional<std::string> reply(Reply call, std::string_view arg = {}) {
  std::size_t size = 0;
  char* buffer = js_reply(call, arg.data(), arg.size(), &size);
  if (!buffer) return std::nullopt;
  const std::unique_ptr<char, decltype(&std::free)> owner(buffer, &std::free);
  return std::string(buffer, size);
}

}  // namespace

namespace tesvik::web {

void host_message(std::string_view title, std::string_view text) {
  js_message(title.data(), title.size(), text.data(), text.size());
}

bool host_question(std::string_view title, std::string_view text) {
  return js_question(title.data(), title.size(), text.data(), text.size()) != 0;
}

bool host_write_clipboard(std::string_view text) { return js_write_clipboard(text.data(), text.size()) != 0; }

std::optional<std::string> host_read_clipboard() { return reply(kClipboard); }

void host_show_tip(std::string_view text) { js_show_tip(text.data(), text.size()); }

void host_show_progress(bool visible, int percent) { js_show_progress(visible ? 1 : 0, percent); }

bool host_open_link(std::string_view url) { return js_open_link(url.data(), url.size()) != 0; }

void host_set_title(std::string_view title) { js_set_title(title.data(), title.size()); }

void host_quit() { js_quit(); }

std::optional<std::string> host_choose_file(std::string_view kind) { return reply(kChosenFile, kind); }

bool host_save_file(std::string_view name, std::string_view bytes) {
  return js_save_file(name.data(), name.size(), bytes.data(), bytes.size()) != 0;
}

std::optional<std::string> host_read_file(std::string_view name) { return reply(kUploadedFile, name); }

}  // namespace tesvik::web
