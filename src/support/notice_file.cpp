#include "support/notice_file.h"

#include "support/decimal.h"

namespace tesvik {

bool notice_valid(std::string_view text) { return text.find(kNoticeValidMarker) != std::string_view::npos; }

std::optional<std::string_view> notice_entry(std::string_view text, std::string_view marker) {
  const auto first = text.find(marker);
  if (first == std::string_view::npos) return std::nullopt;
  const auto start = first + marker.size();
  const auto next = text.find(marker, start);
  return text.substr(start, next == std::string_view::npos ? std::string_view::npos : next - start);
}

std::optional<CaptionLink> split_caption_link(std::string_view value) {
  const auto at = value.find(kCaptionLinkSeparator);
  if (at == std::string_view::npos) return std::nullopt;
  return CaptionLink{value.substr(0, at), value.substr(at + kCaptionLinkSeparator.size())};
}

std::optional<double> notice_number(std::string_view value) {
  constexpr std::string_view kSpace = " \t\r\n";
  const auto first = value.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return std::nullopt;
  value = value.substr(first, value.find_last_not_of(kSpace) - first + 1);
  if (value.front() == '+') value.remove_prefix(1);
  return read_decimal(value);
}

}  // namespace tesvik
