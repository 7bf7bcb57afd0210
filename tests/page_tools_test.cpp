// Schemes, export and the page tools' files: a scheme of random conditions
// round-trips on every page, bad scheme files change nothing and name their
// problem, an export writes the clipboard's bytes or no file at all.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/app.h"
#include "app/batch/control_printer.h"
#include "app/front_six/front6_page_table.h"
#include "app/pages/mode_table.h"
#include "app/tools/page_scheme.h"
#include "model/draw_text.h"
#include "recording_port.h"

namespace tesvik {
namespace {

namespace fs = std::filesystem;

// The first line in which two prints differ, both versions; empty when they agree.
std::string first_difference(const std::string& a, const std::string& b) {
  std::istringstream in_a(a), in_b(b);
  std::string la, lb;
  while (true) {
    const bool more_a = static_cast<bool>(std::getline(in_a, la)), more_b = static_cast<bool>(std::getline(in_b, lb));
    if (!more_a && !more_b) return {};
    if (!more_a || !more_b || la != lb) return la + " | " + lb;
  }
}

class PageTools : public ::testing::Test {
 protected:
  void SetUp() override {
    app.start_without_window();
    dir = fs::temp_directory_path() / ("tesvik-page-tools-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string file(const std::string& name) const { return (dir / name).string(); }

  void run(Mode mode) {
    if (mode == Mode::Six) app.click({Ctl::C_q6_gn, kQ6Run});
    else app.click({Ctl::C_jg_gn, mode_info(mode).first_function});
  }
  void clear(Mode mode) {
    if (mode == Mode::Six) app.click({Ctl::C_q6_gn, kQ6ClearAll});
    else app.click({Ctl::C_jg_gn, mode_info(mode).first_function + 3});
  }
  std::vector<std::uint8_t> verdict(Mode mode) {
    const ConditionMatrix& m = mode == Mode::Six ? app.front6().result() : app.engine().matrix(mode);
    return {m.verdict().begin(), m.verdict().end()};
  }

  // What `print` shows of every control of the page that a scheme holds.
  std::string prints(Mode mode) {
    std::ostringstream out;
    for (const SchemeControl& c : scheme_controls(mode)) {
      // A pasted list's box matters while the list is in use; otherwise it shows a hint.
      if (c.kind != SchemeKind::PastedList) print_control(app, control_array(c.array), c.index, out);
      else if (app.front6().state().pasted.at(static_cast<std::size_t>(c.index - kQ6PasteKill)).in_use)
        print_control(app, control_array(Ctl::T_q6), q6_paste_box(c.index).box, out);
    }
    return out.str();
  }

  // Clicks a random third of the page's scheme buttons (twice for some) and
  // fills some of its boxes, selectors and lists.
  void random_conditions(Mode mode, std::mt19937& rng) {
    static const char* kTexts[] = {"", "12", "0102", "3", "1 2 3", "01.02./03./04./05.", "11100", "**1"};
    auto chance = [&](int percent) { return static_cast<int>(rng() % 100) < percent; };
    for (const SchemeControl& c : scheme_controls(mode)) {
      const ControlRef ref{c.array, c.index};
      switch (c.kind) {
        case SchemeKind::Button:
          if (chance(8)) app.click(ref);
          break;
        case SchemeKind::TextBox:
          if (chance(30)) app.set_text(ref, kTexts[rng() % std::size(kTexts)]);
          break;
        case SchemeKind::ComboBox:
          if (chance(30)) app.set_text(ref, std::to_string(rng() % 3));
          break;
        case SchemeKind::Selector:
          if (chance(40)) app.selector_of(ref)->choose(std::to_string(rng() % 2), std::to_string(1 + rng() % 3));
          break;
        case SchemeKind::CompoundRows:
          for (int line = 0; line < 2; ++line) {
            for (int place = 0; place < 3; ++place)
              app.click({Ctl::C_annv, 115 + 10 * place + static_cast<int>(rng() % 10)});
            app.click({Ctl::C_q3_nei, 2});
          }
          break;
        case SchemeKind::PastedList:
          if (chance(60)) {
            port.clipboard =
                "01 02 03 04 05 06\r\n02 03 04 05 06 07\r\n0" + std::to_string(1 + rng() % 9) + " 10 09 08 07 06";
            app.click({Ctl::C_q6_gn, c.index});
          }
          break;
      }
    }
  }

  testing::RecordingPort port;
  App app{port};
  fs::path dir;
};

TEST_F(PageTools, SchemeOfRandomConditionsRoundTripsOnEveryPage) {
  std::mt19937 rng(15);
  for (Mode mode : {Mode::Three, Mode::Four, Mode::Five, Mode::Six}) {
    for (int round = 0; round < 3; ++round) {
      SCOPED_TRACE(std::to_string(places_of(mode)) + "/" + std::to_string(round));
      random_conditions(mode, rng);
      run(mode);
      const std::string before = prints(mode);
      const std::vector<std::uint8_t> kept = verdict(mode);
      app.save_scheme(mode, file("s"));
      clear(mode);
      app.load_scheme(mode, file("s"));
      EXPECT_EQ(port.events.back(), "tip 方案已载入");
      EXPECT_EQ(first_difference(prints(mode), before), "");
      run(mode);
      EXPECT_EQ(verdict(mode), kept);
      clear(mode);
    }
  }
}

TEST_F(PageTools, BadSchemeFilesChangeNothingAndNameTheirProblem) {
  app.click({Ctl::C_annv, 49});
  app.set_text({Ctl::T_nei_txt_ip, 1}, "13");
  const std::string page = prints(Mode::Three);
  auto load = [&](const std::string& text) {
    std::ofstream(file("bad"), std::ios::binary) << text;
    app.load_scheme(Mode::Three, file("bad"));
    EXPECT_EQ(first_difference(prints(Mode::Three), page), "");
    return port.events.back();
  };
  // Every line is checked before anything changes: the good first line does not stay.
  EXPECT_EQ(load("tesvik-scheme 1 3\nC_annv 45 colour=65535\nT_nei_txt_ip 0 text=\"01"),
            "message 温馨提示 方案文件第3行有错误：文字的引号或转义写错了，未载入");
  EXPECT_EQ(load("tesvik-scheme 1 6\nC_q6 1 colour=65535\n"),
            "message 温馨提示 方案文件第1行有错误：这是前六的方案，不能载入前三，未载入");
  EXPECT_EQ(load("tesvik-scheme 1 3\nC_annv 45 colour=65535\nC_q6 1 colour=65535\n"),
            "message 温馨提示 方案文件第3行有错误：本页没有可保存的控件 C_q6 1，未载入");
  EXPECT_EQ(load("tesvik-scheme 1 3\nC_annv_chu 0 colour=65535\n"),
            "message 温馨提示 方案文件第2行有错误：按钮 C_annv_chu 0 不能是颜色 65535，未载入");
  EXPECT_EQ(load("tesvik-scheme 1 3\nComb_rc 0 text=\"" + std::string(40000, '1') + "\"\n"),
            "message 温馨提示 方案文件第2行有错误：Comb_rc 0 的文字超过方框能接受的长度，未载入");
  EXPECT_EQ(load("tesvik-scheme 1 3\nC_annv 45 colour=65535\nC_annv 45 colour=14737632\n"),
            "message 温馨提示 方案文件第3行有错误：C_annv 45 重复，未载入");
  // A front-six range takes the numbers its lists show, without leading zeros.
  port.events.clear();
  std::ofstream(file("zeros"), std::ios::binary) << "tesvik-scheme 1 6\nrc_q6 3 range=\"05<*>6\"\n";
  app.load_scheme(Mode::Six, file("zeros"));
  EXPECT_EQ(port.events.back().rfind("message 温馨提示 方案文件第2行有错误：rc_q6 3 的范围", 0), 0u)
      << port.events.back();
  {
    std::ofstream(file("huge"), std::ios::binary) << "tesvik-scheme 1 3\n";
    fs::resize_file(file("huge"), std::uintmax_t{100} << 20);
  }
  app.load_scheme(Mode::Three, file("huge"));
  EXPECT_EQ(port.events.back(), "message 温馨提示 方案文件有错误：方案文件超过64MB，未载入");
  EXPECT_EQ(first_difference(prints(Mode::Three), page), "");
}

TEST_F(PageTools, EverySavedSchemeLoadsBackAndWhatCannotIsNotSaved) {
  // A front-six box of 5 MB: saved, loaded, and the run keeps the same picks.
  std::string big;
  while (big.size() < (5u << 20)) big += "12 34 56 ";
  app.set_text({Ctl::T_q6, 1}, big);
  run(Mode::Six);
  const std::vector<std::uint8_t> kept = verdict(Mode::Six);
  app.save_scheme(Mode::Six, file("big"));
  EXPECT_EQ(port.events.back(), "tip 方案已保存");
  clear(Mode::Six);
  app.load_scheme(Mode::Six, file("big"));
  EXPECT_EQ(port.events.back(), "tip 方案已载入");
  run(Mode::Six);
  EXPECT_EQ(verdict(Mode::Six), kept);
  // A text that a load would refuse is named, and no file is written.
  app.set_text({Ctl::Comb_rc, 0}, std::string(40000, '1'));
  port.events.clear();
  app.save_scheme(Mode::Three, file("long"));
  EXPECT_EQ(port.events, std::vector<std::string>{"message 温馨提示 方案未保存：Comb_rc 0 的文字超过方框能接受的长度"});
  app.set_text({Ctl::Comb_rc, 0}, "");
  for (int box : {1, 2, 3, 4, 5, 7, 8}) app.set_text({Ctl::T_q6, box}, std::string(10u << 20, '1'));
  app.save_scheme(Mode::Six, file("long"));
  EXPECT_EQ(port.events.back(), "message 温馨提示 方案未保存：T_q6 8 的文字太长，方案文件会超过64MB");
  EXPECT_FALSE(fs::exists(file("long")));
}

TEST_F(PageTools, ExportWritesTheClipboardBytesOrNoFile) {
  app.click({Ctl::C_q6_gn, kQ6Run});
  app.click({Ctl::C_q6_gn, kQ6CopyAll});
  ASSERT_EQ(port.clipboard.size(), 151200u * 19 - 2);
  app.export_picks(Mode::Six, file("all.txt"));
  EXPECT_EQ(port.events.back(), "tip 已导出151200注");
  std::ifstream in(file("all.txt"), std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(written, port.clipboard);
  // A path that is a directory cannot be replaced: no temporary file stays beside it.
  fs::create_directory(dir / "taken");
  app.export_picks(Mode::Six, file("taken"));
  EXPECT_EQ(port.events.back(), "message 温馨提示 文件写入失败：" + file("taken"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(PageTools, AFifoIsNeitherReadNorReplaced) {
  ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0600), 0);
  app.load_scheme(Mode::Three, file("fifo"));
  EXPECT_EQ(port.events.back(), "message 温馨提示 文件读取失败：" + file("fifo"));
  run(Mode::Three);
  app.export_picks(Mode::Three, file("fifo"));
  EXPECT_EQ(port.events.back(), "message 温馨提示 文件写入失败：" + file("fifo"));
  EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(PageTools, WithoutAFileTheDialogChoosesOneOrNothingHappens) {
  app.click({Ctl::C_annv, 49});
  port.events.clear();
  port.chosen_files = {std::nullopt, file("chosen")};
  app.save_scheme(Mode::Three);  // cancelled
  EXPECT_TRUE(port.events.empty());
  app.save_scheme(Mode::Three);
  EXPECT_EQ(port.events, (std::vector<std::string>{"write " + file("chosen"), "tip 方案已保存"}));
  // Nothing to export: the copy's message comes before any dialog.
  port.events.clear();
  port.chosen_files = {file("picks")};
  app.export_picks(Mode::Six);
  EXPECT_EQ(port.events, std::vector<std::string>{"message 温馨提示 请先缩水后再复制"});
  EXPECT_EQ(port.chosen_files.size(), 1u);
}

TEST(DrawText, NumbersAndPicksOfPublishedLines) {
  EXPECT_EQ(text_numbers("010,7 99999999999 0123456789"),
            (std::vector<std::int32_t>{10, 7, 1'000'000'000, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  const DrawPick three{3, 7, 1, 0, 0, 0};
  EXPECT_EQ(draw_pick("2026120801 03 07 01 05 02 04 06 08 09 10", 3), three);
  EXPECT_EQ(draw_pick("第2026120801期 3705246891", 3), (DrawPick{3, 7, 10, 0, 0, 0}));
  EXPECT_EQ(draw_pick("03,07,01", 3), three);
  EXPECT_FALSE(draw_pick("03 07 01 05", 3));  // neither three nor ten numbers
  EXPECT_FALSE(draw_pick("03 07 07", 3));     // repeated
  EXPECT_FALSE(draw_pick("01 02 03 04 05 06 07 08 09 11", 3));
  EXPECT_EQ(prize_digits("10-1-2", 3), "012");
  EXPECT_EQ(prize_digits("1 2 3 4", 3), "1234");  // four numbers: the digits as they are
  // A prize box reads a published line as the history check does, period number and all.
  EXPECT_EQ(prize_digits("2026120801 03 07 01 05 09 02 04 06 08 10", 5), "37159");
  EXPECT_EQ(prize_digits("第2026120801期 3705246891", 3), "370");
  const auto lines = read_draw_lines("a\r\n\r\n 01 02 03\rb\n", 3);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].line, 2);  // the blank line is not counted
  EXPECT_EQ(lines[2].line, 3);
  EXPECT_EQ(lines[2].text, "b");
}

}  // namespace
}  // namespace tesvik
