#pragma once
// A pick list pasted into the kill-exact box or the base box of front six:
// clipboard text read into the set of picks it names.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tesvik {

enum class PasteStatus {
  Read,       // the list is in use
  TooShort,   // too little text to be a list: ignored
  BadNumber,  // a line names a number above 10
};

struct PastedList {
  PasteStatus status = PasteStatus::TooShort;
  // The digits and line breaks of the text, as the box shows them.
  std::string text;
  // One byte per pick index 0..151200; 1 = named by a line.
  std::vector<std::uint8_t> picks;
};

// Keeps only the digits and the line breaks of the (trimmed) clipboard text;
// every line of at least 12 digits names the pick of its first six digit
// pairs, "00" a number that no pick has. Line breaks are CR LF, and a lone
// CR or LF counts as one, since lists copied on this platform often end
// their lines with LF alone.
PastedList read_pasted_list(std::string_view clipboard);

}  // namespace tesvik
