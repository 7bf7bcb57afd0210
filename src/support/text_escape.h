#pragma once
// TEXT as batch scripts, their output and scheme files write it: a double-quoted string
// with the escapes \" \\ \r \n \t and \uXXXX.

#include <string>
#include <string_view>
#include <variant>

namespace tesvik {

// The quoted form of any byte string: '"' and '\' escaped, CR, LF and TAB
// as \r \n \t, other control bytes and DEL as \u00xx, every other byte
// (UTF-8 included) as itself.
std::string quote_text(std::string_view bytes);

// Why a quoted string could not be read.
struct TextError {
  std::string reason;
};

// Reads one quoted string that spans the whole of `quoted`. \uXXXX takes
// exactly four hex digits and becomes UTF-8; a high and a low surrogate in
// a row make one character. The text read must be UTF-8: raw bytes that are
// not are refused like a lone surrogate.
std::variant<std::string, TextError> unquote_text(std::string_view quoted);

}  // namespace tesvik
