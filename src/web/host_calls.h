#pragma once
// Calls from the program to the page that hosts it: the object `host` that
// the page hands to the module's factory (createTesvik({host})). Each call
// is synchronous; what the page shows (an alert, a confirm box, a download)
// is its own choice. Text crosses as UTF-8, files as bytes.

#include <optional>
#include <string>
#include <string_view>

namespace tesvik::web {

void host_message(std::string_view title, std::string_view text);
bool host_question(std::string_view title, std::string_view text);
bool host_write_clipboard(std::string_view text);
std::optional<std::string> host_read_clipboard();
void host_show_tip(std::string_view text);
void host_show_progress(bool visible, int percent);
bool host_open_link(std::string_view url);
void host_set_title(std::string_view title);
void host_quit();
// The page's file choice of one kind ("save-scheme", "load-scheme", "export",
// "open-draws"): for a save the name of the download, for a load the name of
// a file that the user has uploaded; nullopt when the user cancels.
std::optional<std::string> host_choose_file(std::string_view kind);
// Hands the bytes to the user as a download named `name`.
bool host_save_file(std::string_view name, std::string_view bytes);
// The bytes of an uploaded file; nullopt when the page has none of that name.
std::optional<std::string> host_read_file(std::string_view name);

}  // namespace tesvik::web
