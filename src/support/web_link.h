#pragma once
// Which texts may be handed to the system's browser: an http or https URL
// with a host, nothing that a shell or a URL parser could read as more than
// one link.

#include <string_view>

namespace tesvik {

// True for "http://HOST..." or "https://HOST..." (scheme in any case) whose
// host is a name or a bracketed IPv6 address, with at most a numeric port,
// and whose text is well-formed UTF-8 without control characters or blanks.
bool is_web_link(std::string_view url);

}  // namespace tesvik
