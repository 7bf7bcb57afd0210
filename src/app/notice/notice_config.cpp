#include "app/notice/notice_config.h"

#include <cstdlib>

#include "build_config.h"

namespace tesvik {

namespace {

std::string base_url(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  s = s.substr(first, s.find_last_not_of(" \t") - first + 1);
  std::string url(s);
  if (url.back() != '/') url += '/';
  return url;
}

}  // namespace

void set_notice_servers(NoticeConfig& config, std::string_view value) {
  const auto comma = value.find(',');
  config.primary = base_url(value.substr(0, comma));
  config.secondary = comma == std::string_view::npos ? std::string() : base_url(value.substr(comma + 1));
}

NoticeConfig notice_config(const std::optional<std::string>& option) {
  NoticeConfig config;
  const char* variable = std::getenv(kNoticeServerVariable);
  if (option) {
    set_notice_servers(config, *option);
  } else if (variable && *variable) {
    set_notice_servers(config, variable);
  } else {
    config.primary = base_url(build_config::kNoticePrimary);
    config.secondary = base_url(build_config::kNoticeSecondary);
  }
  return config;
}

bool take_notice_server_option(int& argc, char** argv, std::optional<std::string>& value) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == kNoticeServerOption) {
      if (i + 1 >= argc) return false;
      value = argv[++i];
    } else if (arg.starts_with(kNoticeServerOption) && arg.size() > kNoticeServerOption.size() &&
               arg[kNoticeServerOption.size()] == '=') {
      value = std::string(arg.substr(kNoticeServerOption.size() + 1));
    } else {
      argv[kept++] = argv[i];
    }
  }
  argv[kept] = nullptr;
  argc = kept;
  return true;
}

}  // namespace tesvik
