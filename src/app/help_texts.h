#pragma once
// The help texts behind the "说明" buttons. Five texts, read once at
// start-up from the program's own resources and decoded from GBK, hold the
// sections "[**" + section id + key + "**]", CR LF, body, "[end]" (the shared
// text "qt" without the id). A button names a section id and a key and its
// section is shown in a message box; the dan-code buttons show the
// explanation picture instead, and the picture's "关闭" button hides it.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/user_port.h"

namespace tesvik {

inline constexpr std::string_view kHelpMissing = "没有找到此说明数据";

// One help text: the section id that the buttons name, the resource it is
// read from and the page it explains.
struct HelpResource {
  std::string_view section;
  std::string_view resource;
  std::string_view page;
};
inline constexpr std::array<HelpResource, 5> kHelpResources = {{
    {"q3", "101", "精确前三"},
    {"q4", "102", "精确前四"},
    {"q5", "103", "前五"},
    {"q6", "Q6", "前六"},
    {"qt", "DJ", "兑奖查询（各页共用）"},
}};

// A section as it stands in its text: the key of its heading (without the
// section id) and the body between the heading and "[end]".
struct HelpSection {
  std::string key;
  std::string body;
};

class HelpTexts {
 public:
  // Bytes of a resource by name; empty when there is none.
  using Reader = std::function<std::span<const std::uint8_t>(std::string_view resource)>;

  HelpTexts() = default;  // no texts: every lookup misses
  explicit HelpTexts(const Reader& read);

  // What show() shows: the heading marker, CR LF and the body of the first
  // section with that heading; kHelpMissing for an unknown section id, an
  // empty key or a heading that the text does not have.
  std::string message(std::string_view section, std::string_view key) const;
  // Shows message() in a box titled "温馨提示".
  void show(UserPort& port, std::string_view section, std::string_view key) const;

  // The decoded text of a section id (empty for an unknown one).
  std::string_view text(std::string_view section) const;
  // The sections of a text in their order.
  std::vector<HelpSection> sections(std::string_view section) const;

 private:
  std::array<std::string, kHelpResources.size()> texts_;
};

// The heading marker of a key: "[**" + id + key + "**]", for "qt" "[**" + key + "**]".
std::string help_marker(std::string_view section, std::string_view key);

// The program's texts, read from its resources at the first call; the
// start-up sequence makes that call.
const HelpTexts& help_texts();

// What a help button C_shuoming k does.
enum class HelpKind { Text, ShowPicture, HidePicture };
struct HelpButton {
  HelpKind kind = HelpKind::Text;
  std::string_view section;
  std::string_view key;
};
const HelpButton& help_button(int shuoming);

// A click on C_shuoming k: its section is shown, or the explanation picture
// panel is shown or hidden.
void click_help(int shuoming, bool& picture_panel, UserPort& port);

}  // namespace tesvik
