#include "app/key_filter.h"

#include "support/text.h"

namespace tesvik {

void type_into(std::string& text, std::string_view utf8, BoxKind kind, std::size_t limit) {
  char previous = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::string_view ch = character_at(utf8, i);
    i += ch.size();
    const char c0 = ch.size() == 1 ? ch[0] : 0;
    const char before = previous;
    previous = c0;
    if (c0 == '\b') {
      drop_last_character(text);
      continue;
    }
    if (kind == BoxKind::Prize) {
      if (c0 == '.') text += '.';
      else if (is_ascii_digit(c0) && fewer_characters(text, limit)) text += c0;
      continue;
    }
    if (c0 == '\r' || c0 == '\n') {
      // CR LF typed as one key press gives one line break.
      if (kind == BoxKind::MultiLine && !(c0 == '\n' && before == '\r')) text += "\r\n";
      continue;
    }
    text += ch;
  }
}

}  // namespace tesvik
