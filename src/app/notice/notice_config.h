#pragma once
// Where the network start-up finds its notice servers and keeps its state.
// The base URLs come from the command line, else the environment, else the
// build; a build that names none works offline.

#include <optional>
#include <string>
#include <string_view>

namespace tesvik {

inline constexpr std::string_view kNoticeServerOption = "--notice-server";
inline constexpr const char* kNoticeServerVariable = "TESVIK_NOTICE_SERVER";

struct NoticeConfig {
  std::string primary;  // base URLs, each ending in "/"; empty: none
  std::string secondary;
  int fetch_timeout_ms = 15000;   // the notice file
  int report_timeout_ms = 25000;  // the usage report
  std::string settings_file;      // where the install identifier is kept; empty: the user's settings
  std::string lock_file;          // the single-instance lock; empty: in the user's runtime directory

  bool has_server() const { return !primary.empty() || !secondary.empty(); }
};

// "PRIMARY[,SECONDARY]": the two base URLs, blanks around them dropped and
// a missing final "/" added; a missing SECONDARY is empty.
void set_notice_servers(NoticeConfig& config, std::string_view value);

// The configuration of this start: the option's value when it was given
// (even empty, which means no server), else TESVIK_NOTICE_SERVER when it is
// set and not empty, else the build's base URLs.
NoticeConfig notice_config(const std::optional<std::string>& option);

// Takes "--notice-server VALUE" or "--notice-server=VALUE" out of argv
// (the last one counts) and puts VALUE into value. False when the option
// stands last without its VALUE.
bool take_notice_server_option(int& argc, char** argv, std::optional<std::string>& value);

}  // namespace tesvik
