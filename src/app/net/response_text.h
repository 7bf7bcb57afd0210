#pragma once
// A notice server's response body as the text the program reads.

#include <string>
#include <string_view>

namespace tesvik {

// The body as UTF-8: as it is when it is valid UTF-8 (without a leading
// byte-order mark), else decoded from GB18030 (see body_charset).
std::string response_text(std::string_view body);

}  // namespace tesvik
