// The help texts: the resources decode from GBK, every "说明" button finds
// its section, a section shows with its heading marker on top, and every
// section's examples are run by a golden script.

#include "app/help_texts.h"
#include "app/control_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "app/app.h"
#include "app/front_six/front6_page_table.h"
#include "app/tools/page_tool_buttons.h"
#include "recording_port.h"
#include "support/code_page.h"
#include "support/resources.h"
#include "support/utf8.h"

namespace tesvik {
namespace {

using testing::RecordingPort;
using Events = std::vector<std::string>;

std::span<const std::uint8_t> bytes_of(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// Texts read from the given resource texts instead of the program's.
HelpTexts texts_of(const std::map<std::string, std::string>& resources) {
  return HelpTexts([&resources](std::string_view name) -> std::span<const std::uint8_t> {
    const auto it = resources.find(std::string(name));
    return it == resources.end() ? std::span<const std::uint8_t>() : bytes_of(it->second);
  });
}

TEST(CodePage, DecodesGbkAndMarksWhatIsNone) {
  EXPECT_EQ(gbk_to_utf8("\xcb\xb5\xc3\xf7 01"), "说明 01");
  EXPECT_EQ(gbk_to_utf8(""), "");
  // A byte that starts no character, and a character cut off at the end.
  EXPECT_EQ(gbk_to_utf8("a\xff"
                        "b\xcb"),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
}

TEST(HelpResources, AreGbkWithCrLfLines) {
  for (const HelpResource& r : kHelpResources) {
    const auto bytes = resource_bytes(r.resource);
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    ASSERT_FALSE(raw.empty()) << r.resource;
    // Chinese text in GBK is no UTF-8, so the decoding is real.
    EXPECT_FALSE(valid_utf8(raw)) << r.resource;
    const std::string text(help_texts().text(r.section));
    EXPECT_TRUE(valid_utf8(text));
    EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << r.resource << " holds bytes that are no GBK";
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << r.resource << " has a line without CR LF";
  }
}

TEST(HelpTexts, HoldEveryHeadingOfTheirPages) {
  const std::map<std::string_view, std::vector<std::string>> keys = {
      {"q3",
       {"杀直选", "杀2码组合", "通杀码", "杀跨度", "杀和值", "定位杀", "排除前三复式", "定位2码说明", "定位杀2码说明",
        "排除大小、奇偶、质合、012路说明", "奇号个数、大号个数、质号个数说明", "任意两码差说明", "任意两码合说明",
        "最小号与最大号说明", "特别排除说明", "大底号码说明", "号码分隔符号说明", "总容错说明"}},
      {"q4",
       {" ",
        "杀直选",
        "杀2码组合",
        "杀3码组合",
        "通杀码",
        "杀跨度",
        "杀和值",
        "定位杀",
        "奇号个数、大号个数、质号个数说明",
        "特别排除说明",
        "任意两码差说明",
        "任意两码合说明",
        "最小号与最大号说明",
        "杀垃圾复式",
        "定位杀组合（二星拼四星）说明",
        "定位杀组合（三星拼四星）说明",
        "排除大小、奇偶、质合、012路说明",
        "大底号码说明",
        "号码分隔符号说明",
        "总容错说明"}},
      {"q5",
       {" ", "杀直选", "杀2码组合", "杀3码组合", "杀4码组合", "定位杀组合", "通杀码", "杀跨度", "杀和值", "定位杀",
        "排除大小、奇偶、质合、012路说明", "奇号个数、大号个数、质号个数说明", "最小号与最大号说明", "特别排除说明",
        "排除前五复式", "大底号码说明", "号码分隔符号说明", "总容错说明"}},
      {"q6",
       {"前六杀直选", "前六杀2码组合", "前六杀3码组合", "前六杀4码组合", "前六杀5码组合", "前六定位杀组合",
        "前六通杀码", "前六杀跨度", "前六杀和值", "前六定位杀", "前六排除大小、奇偶、质合、012路说明",
        "前六  大号、奇号、质号个数说明", "前六最小号、最大号说明", "前六特别排除", "前六排除复式", "前六大底号码",
        "间隔符号", "前六总容错", "复制号码"}},
      {"qt", {"兑奖查询说明", "保存方案说明", "载入方案说明", "导出文件说明", "历史验证说明"}},
  };
  for (const auto& [section, wanted] : keys) {
    std::set<std::string> have;
    for (const HelpSection& s : help_texts().sections(section)) {
      EXPECT_TRUE(have.insert(s.key).second) << section << " has two headings " << s.key;
      EXPECT_TRUE(s.body.starts_with("\r\n")) << section << s.key;
    }
    EXPECT_EQ(have, std::set<std::string>(wanted.begin(), wanted.end())) << section;
  }
}

TEST(HelpTexts, EveryButtonFindsItsSection) {
  for (int i = 0; i < static_cast<int>(slot_count(Ctl::C_shuoming)); ++i) {
    const HelpButton& b = help_button(i);
    if (b.kind != HelpKind::Text) continue;
    const std::string shown = help_texts().message(b.section, b.key);
    EXPECT_TRUE(shown.starts_with(help_marker(b.section, b.key) + "\r\n\r\n")) << i;
    EXPECT_EQ(shown.find("[end]"), std::string::npos) << i;
    EXPECT_GT(shown.size(), 100u) << i;
  }
}

TEST(HelpTexts, EveryPageToolButtonFindsItsSection) {
  for (const PageToolInfo& t : kPageToolButtons) {
    const std::string shown = help_texts().message(kPageToolHelpSection, t.help_key);
    EXPECT_TRUE(shown.starts_with(help_marker(kPageToolHelpSection, t.help_key) + "\r\n\r\n")) << t.help_key;
  }
}

TEST(HelpTexts, EveryFrontSixButtonFindsItsSection) {
  for (int i = 0; i < static_cast<int>(slot_count(Ctl::C_q6_shuoming)); ++i) {
    const HelpKey& k = q6_help_key(i);
    if (i == 11) {
      EXPECT_TRUE(k.section.empty());  // the dan-code picture
      continue;
    }
    EXPECT_EQ(k.section, i == 16 ? "qt" : "q6") << i;
    EXPECT_TRUE(help_texts().message(k.section, k.key).starts_with(help_marker(k.section, k.key) + "\r\n\r\n")) << i;
  }
  RecordingPort port;
  App app(port);
  app.start_without_window();
  app.click({Ctl::C_q6_shuoming, 13});
  app.click({Ctl::C_q6_shuoming, 16});
  app.click({Ctl::C_shuoming, 57});
  ASSERT_EQ(port.events.size(), 3u);
  EXPECT_TRUE(port.events[0].starts_with("message 温馨提示 [**q6前六  大号、奇号、质号个数说明**]\r\n\r\n"));
  EXPECT_EQ(port.events[1], port.events[2]);
  app.click({Ctl::C_q6_shuoming, 11});
  EXPECT_TRUE(app.panel().picture_panel);
  app.click({Ctl::C_shuoming, 60});
  EXPECT_FALSE(app.panel().picture_panel);
}

TEST(HelpTexts, ButtonTableSendsThePicturesAndTheSharedSection) {
  for (int i : {6, 25, 47}) EXPECT_EQ(help_button(i).kind, HelpKind::ShowPicture) << i;
  EXPECT_EQ(help_button(60).kind, HelpKind::HidePicture);
  for (int i : {57, 58, 59}) {
    EXPECT_EQ(help_button(i).section, "qt");
    EXPECT_EQ(help_button(i).key, "兑奖查询说明");
  }
  EXPECT_EQ(help_button(35).section, "q3");
  EXPECT_EQ(help_button(36).section, "q4");
  EXPECT_EQ(help_button(56).section, "q5");
  EXPECT_THROW(help_button(61), std::out_of_range);
}

TEST(HelpTexts, BaseListHelpShowsItsMarkerLineOnTop) {
  RecordingPort port;
  App app(port);
  app.start_without_window();
  app.click({Ctl::C_shuoming, 35});
  ASSERT_EQ(port.events.size(), 1u);
  EXPECT_TRUE(port.events[0].starts_with("message 温馨提示 [**q3大底号码说明**]\r\n\r\n【作用】")) << port.events[0];
  EXPECT_TRUE(app.panel().shuoming[35].enabled);
}

TEST(HelpTexts, MissingSectionsSaySo) {
  RecordingPort port;
  help_texts().show(port, "q4", "没有这个标题");
  help_texts().show(port, "q4", "");
  help_texts().show(port, "q9", "杀直选");
  // A key of another page's text is not looked up there.
  help_texts().show(port, "q4", "排除前三复式");
  EXPECT_EQ(port.events, Events(4, "message 温馨提示 没有找到此说明数据"));
}

TEST(HelpTexts, LookUpTheFirstHeadingAndCutAtItsEnd) {
  const HelpTexts texts = texts_of({
      {"101", "head\r\n[**q3A**]\r\nfirst[end]tail[**q3A**]\r\nsecond[end]\r\n[**q3B**]\r\nno end"},
      {"DJ", "[**C**]\r\n\xcb\xb5\xc3\xf7[end]"},
  });
  EXPECT_EQ(texts.message("q3", "A"), "[**q3A**]\r\n\r\nfirst");
  EXPECT_EQ(texts.message("q3", "B"), "[**q3B**]\r\n\r\nno end");
  // The shared text's headings carry no section id.
  EXPECT_EQ(texts.message("qt", "C"), "[**C**]\r\n\r\n说明");
  EXPECT_EQ(texts.message("q4", "A"), kHelpMissing);
  const auto sections = texts.sections("q3");
  ASSERT_EQ(sections.size(), 3u);
  EXPECT_EQ(sections[0].key, "A");
  EXPECT_EQ(sections[0].body, "\r\nfirst");
  EXPECT_EQ(sections[2].body, "\r\nno end");
}

TEST(HelpTexts, WithoutResourcesEveryButtonMisses) {
  const HelpTexts none = texts_of({});
  for (int i = 0; i < static_cast<int>(slot_count(Ctl::C_shuoming)); ++i) {
    if (help_button(i).kind == HelpKind::Text) {
      EXPECT_EQ(none.message(help_button(i).section, help_button(i).key), kHelpMissing);
    }
  }
}

TEST(HelpClick, ShowsAndHidesThePicturePanel) {
  RecordingPort port;
  App app(port);
  app.start_without_window();
  for (int i : {6, 25, 47}) {
    app.click({Ctl::C_shuoming, i});
    EXPECT_TRUE(app.panel().picture_panel) << i;
    app.click({Ctl::C_shuoming, 60});
    EXPECT_FALSE(app.panel().picture_panel) << i;
  }
  EXPECT_TRUE(port.events.empty());
  app.click({Ctl::C_shuoming, 57});
  app.click({Ctl::C_shuoming, 59});
  ASSERT_EQ(port.events.size(), 2u);
  EXPECT_EQ(port.events[0], port.events[1]);
  EXPECT_TRUE(port.events[0].starts_with("message 温馨提示 [**兑奖查询说明**]\r\n"));
}

// Every section of the help texts shows in the output of a golden script
// tests/scripts/help_*.batch, which runs that section's examples after
// showing it; the pages' overviews (blank headings, no button) have their
// scripts help_q4_overview and help_q5_overview.
TEST(HelpScripts, ShowEverySection) {
  const std::filesystem::path dir = std::filesystem::path(TESVIK_SOURCE_DIR) / "tests" / "scripts";
  std::string outputs;
  std::set<std::string> scripts;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with("help_")) continue;
    scripts.insert(name);
    if (entry.path().extension() != ".out") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    outputs.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  for (const HelpResource& r : kHelpResources) {
    for (const HelpSection& s : help_texts().sections(r.section)) {
      // The page tools' sections have no control a script clicks; their examples run in help_qt_tools.
      if (std::any_of(kPageToolButtons.begin(), kPageToolButtons.end(), [&](const PageToolInfo& t) {
            return r.section == kPageToolHelpSection && t.help_key == s.key;
          })) {
        EXPECT_TRUE(scripts.contains("help_qt_tools.batch"));
        continue;
      }
      if (s.key == " ") {
        EXPECT_TRUE(scripts.contains("help_" + std::string(r.section) + "_overview.batch")) << r.section;
        continue;
      }
      EXPECT_NE(outputs.find("\"" + help_marker(r.section, s.key) + "\\r\\n\\r\\n"), std::string::npos)
          << r.section << " " << s.key << " is shown by no help script";
    }
  }
}

}  // namespace
}  // namespace tesvik
