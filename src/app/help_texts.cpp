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

// What each C_shuoming does, from the pages: a block's button shows its
// text in the page's section, or the explanation picture; the result side's
// buttons show the texts that every page has.
std::vector<HelpButton> button_table() {
  std::vector<HelpButton> t(slot_count(Ctl::C_shuoming));
  auto set = [&t](int i, HelpButton b) {
    if (i >= 0) t.at(static_cast<std::size_t>(i)) = b;
  };
  for (const PageTable& page : page_tables()) {
    for (const Block& b : page.blocks)
      for_each_help(b, [&](const BlockHelp& h) {
        set(h.button, h.key.empty()
                          ? HelpButton{HelpKind::ShowPicture, {}, {}}
                          : HelpButton{HelpKind::Text, h.section.empty() ? page.help_section : h.section, h.key});
      });
    const ResultSide& r = page.result;
    set(r.base_help, {HelpKind::Text, page.help_section, "大底号码说明"});
    set(r.separator_help, {HelpKind::Text, page.help_section, "号码分隔符号说明"});
    set(r.total_help, {HelpKind::Text, page.help_section, "总容错说明"});
    set(r.prize_help, {HelpKind::Text, "qt", "兑奖查询说明"});
  }
  set(kPictureClose, {HelpKind::HidePicture, {}, {}});
  return t;
}

}  // namespace

const HelpButton& help_button(int shuoming) {
  static const std::vector<HelpButton> table = button_table();
  return table.at(static_cast<std::size_t>(shuoming));
}

void click_help(int shuoming, bool& picture_panel, UserPort& port) {
  const HelpButton& b = help_button(shuoming);
  switch (b.kind) {
    case HelpKind::Text: help_texts().show(port, b.section, b.key); break;
    case HelpKind::ShowPicture: picture_panel = true; break;
    case HelpKind::HidePicture: picture_panel = false; break;
  }
}

}  // namespace tesvik
