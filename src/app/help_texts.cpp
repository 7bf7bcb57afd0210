#include "app/help_texts.h"

#include <stdexcept>

#include "app/page_context.h"
#include "app/pages/page_tables.h"
#include "support/code_page.h"
#include "support/resources.h"

namespace tesvik {

namespace {

constexpr std::string_view kHeadingOpen = "[**";
constexpr std::string_view kHeadingClose = "**]";
constexpr std::string_view kEnd = "[end]";

std::size_t slot_of(std::string_view section) {
  for (std::size_t i = 0; i < kHelpResources.size(); ++i)
    if (kHelpResources[i].section == section) return i;
  return kHelpResources.size();
}

// The id that a heading carries before its key.
std::string_view heading_prefix(std::string_view section) { return section == "qt" ? "" : section; }

}  // namespace

std::string help_marker(std::string_view section, std::string_view key) {
  std::string marker(kHeadingOpen);
  marker += heading_prefix(section);
  marker += key;
  marker += kHeadingClose;
  return marker;
}

HelpTexts::HelpTexts(const Reader& read) {
  for (std::size_t i = 0; i < kHelpResources.size(); ++i) {
    const std::span<const std::uint8_t> bytes = read(kHelpResources[i].resource);
    texts_[i] = gbk_to_utf8({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  }
}

std::string_view HelpTexts::text(std::string_view section) const {
  const std::size_t slot = slot_of(section);
  return slot < texts_.size() ? std::string_view(texts_[slot]) : std::string_view();
}

std::string HelpTexts::message(std::string_view section, std::string_view key) const {
  if (key.empty() || slot_of(section) == texts_.size()) return std::string(kHelpMissing);
  const std::string_view all = text(section);
  const std::string marker = help_marker(section, key);
  const std::size_t at = all.find(marker);
  if (at == std::string_view::npos) return std::string(kHelpMissing);
  std::string_view body = all.substr(at + marker.size());
  body = body.substr(0, body.find(kEnd));
  std::string out = marker;
  out += "\r\n";
  out += body;
  return out;
}

void HelpTexts::show(UserPort& port, std::string_view section, std::string_view key) const {
  std::string shown;
  try {
    shown = message(section, key);
  } catch (const std::exception&) {
    shown = kHelpMissing;
  }
  port.message(kNoticeTitle, shown);
}

std::vector<HelpSection> HelpTexts::sections(std::string_view section) const {
  std::vector<HelpSection> out;
  const std::string_view all = text(section);
  const std::string_view prefix = heading_prefix(section);
  std::size_t pos = 0;
  for (;;) {
    const std::size_t open = all.find(kHeadingOpen, pos);
    if (open == std::string_view::npos) break;
    const std::size_t close = all.find(kHeadingClose, open + kHeadingOpen.size());
    if (close == std::string_view::npos) break;
    std::string_view heading = all.substr(open + kHeadingOpen.size(), close - open - kHeadingOpen.size());
    if (heading.starts_with(prefix)) heading.remove_prefix(prefix.size());
    const std::size_t body_start = close + kHeadingClose.size();
    const std::size_t end = all.find(kEnd, body_start);
    const std::size_t body_end = end == std::string_view::npos ? all.size() : end;
    out.push_back({std::string(heading), std::string(all.substr(body_start, body_end - body_start))});
    if (end == std::string_view::npos) break;
    pos = end + kEnd.size();
  }
  return out;
}

const HelpTexts& help_texts() {
  static const HelpTexts texts(resource_bytes);
  return texts;
}

namespace {

using K = HelpKind;

const std::array<HelpButton, kHelpButtonCount>& button_table() {
  static const std::array<HelpButton, kHelpButtonCount> table = [] {
    std::array<HelpButton, kHelpButtonCount> t{};
    auto text = [&t](int i, std::string_view section, std::string_view key) {
      t[static_cast<std::size_t>(i)] = {K::Text, section, key};
    };
    // Front three.
    text(0, "q3", "杀直选");
    text(1, "q3", "杀2码组合");
    text(2, "q3", "通杀码");
    text(3, "q3", "杀跨度");
    text(4, "q3", "杀和值");
    text(5, "q3", "定位杀");
    text(7, "q3", "排除前三复式");
    text(8, "q3", "定位2码说明");
    text(9, "q3", "定位杀2码说明");
    text(10, "q3", "排除大小、奇偶、质合、012路说明");
    text(11, "q3", "奇号个数、大号个数、质号个数说明");
    text(12, "q3", "任意两码差说明");
    text(13, "q3", "任意两码合说明");
    text(14, "q3", "最小号与最大号说明");
    text(15, "q3", "特别排除说明");
    text(16, "q3", "号码分隔符号说明");
    text(17, "q3", "总容错说明");
    text(35, "q3", "大底号码说明");
    // Front four.
    text(18, "q4", "杀直选");
    text(19, "q4", "杀2码组合");
    text(20, "q4", "杀3码组合");
    text(21, "q4", "通杀码");
    text(22, "q4", "杀跨度");
    text(23, "q4", "杀和值");
    text(24, "q4", "定位杀");
    text(26, "q4", "奇号个数、大号个数、质号个数说明");
    text(27, "q4", "特别排除说明");
    text(28, "q4", "任意两码差说明");
    text(29, "q4", "任意两码合说明");
    text(30, "q4", "最小号与最大号说明");
    text(31, "q4", "杀垃圾复式");
    text(32, "q4", "定位杀组合（二星拼四星）说明");
    text(33, "q4", "定位杀组合（三星拼四星）说明");
    text(34, "q4", "排除大小、奇偶、质合、012路说明");
    text(36, "q4", "大底号码说明");
    text(37, "q4", "号码分隔符号说明");
    text(38, "q4", "总容错说明");
    // Front five.
    text(39, "q5", "杀直选");
    text(40, "q5", "杀2码组合");
    text(41, "q5", "杀3码组合");
    text(42, "q5", "杀4码组合");
    text(43, "q5", "通杀码");
    text(44, "q5", "杀跨度");
    text(45, "q5", "杀和值");
    text(46, "q5", "定位杀");
    text(48, "q5", "定位杀组合");
    text(49, "q5", "排除大小、奇偶、质合、012路说明");
    text(50, "q5", "奇号个数、大号个数、质号个数说明");
    text(51, "q5", "最小号与最大号说明");
    text(52, "q5", "特别排除说明");
    text(53, "q5", "排除前五复式");
    text(54, "q5", "总容错说明");
    text(55, "q5", "号码分隔符号说明");
    text(56, "q5", "大底号码说明");
    // The prize checks of the three pages share one section.
    for (int i : {57, 58, 59}) text(i, "qt", "兑奖查询说明");
    // The dan-code blocks show the picture; the picture's "关闭" hides it.
    for (int i : {6, 25, 47}) t[static_cast<std::size_t>(i)] = {K::ShowPicture, {}, {}};
    t[kPictureClose] = {K::HidePicture, {}, {}};
    return t;
  }();
  return table;
}

}  // namespace

const HelpButton& help_button(int shuoming) { return button_table().at(static_cast<std::size_t>(shuoming)); }

void click_help(int shuoming, bool& picture_panel, UserPort& port) {
  const HelpButton& b = help_button(shuoming);
  switch (b.kind) {
    case K::Text: help_texts().show(port, b.section, b.key); break;
    case K::ShowPicture: picture_panel = true; break;
    case K::HidePicture: picture_panel = false; break;
  }
}

}  // namespace tesvik
