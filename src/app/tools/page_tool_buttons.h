#pragma once
// The page tools' buttons below the pages, each with the key of its section
// in the shared help text "qt".

#include <array>
#include <string_view>

namespace tesvik {

enum class PageToolButton { SaveScheme, LoadScheme, Export, History };

struct PageToolInfo {
  PageToolButton button;
  std::string_view caption;
  std::string_view help_key;
};

inline constexpr std::string_view kPageToolHelpSection = "qt";

inline constexpr std::array<PageToolInfo, 4> kPageToolButtons = {{
    {PageToolButton::SaveScheme, "保存方案", "保存方案说明"},
    {PageToolButton::LoadScheme, "载入方案", "载入方案说明"},
    {PageToolButton::Export, "导出文件", "导出文件说明"},
    {PageToolButton::History, "历史验证", "历史验证说明"},
}};

}  // namespace tesvik
