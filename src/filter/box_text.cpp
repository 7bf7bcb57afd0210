#include "filter/box_text.h"

#include <array>

#include "support/text.h"

namespace tesvik {

namespace {

std::array<bool, 256> kept_bytes(std::string_view allowed) {
  std::array<bool, 256> keep{};  // bytes of UTF-8 sequences (128 and above) never are
  for (char c : allowed)
    if (static_cast<unsigned char>(c) < 128) keep[static_cast<unsigned char>(c)] = true;
  keep[' '] = true;
  return keep;
}

}  // namespace

bool is_clean(std::string_view text, std::string_view allowed) {
  const std::array<bool, 256> keep = kept_bytes(allowed);
  // Allowed characters only, single blanks, no blank at either end.
  if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) return false;
  unsigned char previous = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (!keep[byte] || (byte == ' ' && previous == ' ')) return false;
    previous = byte;
  }
  return true;
}

std::string cleaned(std::string_view text, std::string_view allowed) {
  const std::array<bool, 256> keep = kept_bytes(allowed);
  // One pass: a character outside the allowed set (a whole UTF-8 sequence
  // counts as one) is a blank, and of each pair of blanks one is dropped.
  // Written into place (the text only shrinks): a call a character would
  // cost more than the cleaning itself.
  std::string out(text.size(), ' ');
  std::size_t length = 0;
  bool pending_blank = false;  // a blank was written that may pair with the next one
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    char c = ' ';
    if (byte < 128) {
      if (keep[byte]) c = text[i];
      ++i;
    } else {
      i += character_at(text, i).size();
    }
    if (c == ' ' && pending_blank) {
      pending_blank = false;
      continue;
    }
    pending_blank = c == ' ';
    out[length++] = c;
  }
  const std::string_view trimmed = trim_blanks(std::string_view(out).substr(0, length));
  if (trimmed.size() == length) {
    out.resize(length);
    return out;
  }
  return std::string(trimmed);
}

void clean_box(std::string& text, std::string_view allowed) {
  if (!is_clean(text, allowed)) text = cleaned(text, allowed);
}

std::string stripped(std::string_view text, std::string_view allowed) {
  std::string out;
  for (char c : text)
    if (static_cast<unsigned char>(c) < 128 && allowed.find(c) != std::string_view::npos) out += c;
  return out;
}

}  // namespace tesvik
