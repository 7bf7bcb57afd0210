#pragma once
// Text in the system's ANSI code page (GBK, as the Chinese systems that the
// program's resources were written on use it) read into the UTF-8 that the
// rest of the program works in.

#include <string>
#include <string_view>

namespace tesvik {

// The whole block converted at once. A byte sequence that is no GBK
// character becomes U+FFFD, one byte at a time, and the conversion goes on.
std::string gbk_to_utf8(std::string_view gbk);

}  // namespace tesvik
