#include "filter/box_text.h"

#include "support/text.h"

namespace tesvik {

std::string clean_box(std::string_view text, std::string_view allowed) {
  std::string blanked;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view ch = character_at(text, i);
    i += ch.size();
    blanked += ch.size() == 1 && allowed.find(ch[0]) != std::string_view::npos ? ch[0] : ' ';
  }
  std::string once;
  for (std::size_t i = 0; i < blanked.size(); ++i) {
    once += blanked[i];
    if (blanked[i] == ' ' && i + 1 < blanked.size() && blanked[i + 1] == ' ') ++i;
  }
  return std::string(trim_blanks(once));
}

std::vector<std::string_view> items_of_length(std::string_view text, std::size_t length, std::size_t cap) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  while (start <= text.size() && items.size() < cap) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    if (end - start == length) items.push_back(text.substr(start, length));
    start = end + 1;
  }
  return items;
}

std::vector<std::string_view> lines_of(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return lines;
    start = end + 2;
  }
}

}  // namespace tesvik
