#pragma once
// The notice file: a text that holds "[ok]" when it is valid, and entries
// written as a marker, the value and the same marker again.

#include <optional>
#include <string_view>

namespace tesvik {

inline constexpr std::string_view kNoticeValidMarker = "[ok]";
inline constexpr std::string_view kCaptionLinkSeparator = "[*]";

bool notice_valid(std::string_view text);

// The text between the first occurrence of marker and its next occurrence,
// or the end of the text when it occurs once; nullopt when it is absent.
std::optional<std::string_view> notice_entry(std::string_view text, std::string_view marker);

struct CaptionLink {
  std::string_view caption;  // before the first "[*]"
  std::string_view link;     // everything after it
};
// nullopt when the value has no "[*]".
std::optional<CaptionLink> split_caption_link(std::string_view value);

// The value read as a whole as a decimal number (blanks and line breaks
// around it allowed, an optional sign, a fraction and an exponent);
// nullopt for anything else, the empty text included.
std::optional<double> notice_number(std::string_view value);

}  // namespace tesvik
