#pragma once
// The few JSON texts that the binding hands the page: strings escaped, the
// rest written by hand.

#include <string>
#include <string_view>

namespace tesvik::web {

// `text` as a JSON string, quotes included.
std::string json_string(std::string_view text);

// `b` as a JSON literal.
inline const char* json_boolean(bool b) { return b ? "true" : "false"; }

}  // namespace tesvik::web
