// Box readings kept by revision: a box's reading is reused exactly while the
// box is unchanged. An App that runs after every step must keep what a fresh
// App keeps after all the steps at once, whatever the steps touch.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/pages/page_tables.h"
#include "filter/box_reading.h"
#include "front6/universe_6x.h"
#include "model/universe.h"
#include "recording_port.h"

namespace tesvik {
namespace {

TEST(TextBox, EveryEditTakesARevisionNoBoxHadBefore) {
  TextBox a("12"), b("12");
  EXPECT_NE(a.revision(), b.revision());
  const auto first = a.revision();
  a.edit([](std::string& t) { t += '3'; });
  EXPECT_GT(a.revision(), first);
  EXPECT_EQ(a, "123");
  TextBox copy = a;
  EXPECT_EQ(copy.revision(), a.revision());  // the same text under the same revision
  TextBox moved = std::move(copy);
  EXPECT_EQ(moved, "123");
  EXPECT_EQ(copy, "");  // NOLINT(bugprone-use-after-move): left empty on purpose
  EXPECT_NE(copy.revision(), moved.revision());
}

TEST(BoxReading, ReadsOncePerRevisionAndCleansOnlyWhenWritingBack) {
  TextBox box("12 a34");
  ConditionInput in;
  in.boxes.push_back(&box);
  int reads = 0;
  const auto digits = [&](std::string_view text) {
    ++reads;
    return std::string(text);
  };
  EXPECT_EQ(read_clean_box(in, 0, "0123456789", digits), "12 34");
  EXPECT_EQ(box, "12 a34");  // a run that does not write back leaves the box as it is
  EXPECT_EQ(read_clean_box(in, 0, "0123456789", digits), "12 34");
  EXPECT_EQ(reads, 1);
  box = "5 6";
  EXPECT_EQ(read_clean_box(in, 0, "0123456789", digits), "5 6");
  EXPECT_EQ(reads, 2);
  in.writes_back = true;
  box = "7,8";
  EXPECT_EQ(read_clean_box(in, 0, "0123456789", digits), "7 8");
  EXPECT_EQ(box, "7 8");
  EXPECT_EQ(read_clean_box(in, 0, "0123456789", digits), "7 8");
  EXPECT_EQ(reads, 3);
  // Another reader of the same box reads it for itself.
  EXPECT_EQ(read_box(in, 0, [](std::string_view text) { return text.size(); }), 3u);
}

using Step = std::function<void(App&)>;

// The verdict of a page after `steps`: `kept` runs after every step, a
// fresh App once after all of them; both must agree at every step.
class Reruns : public ::testing::Test {
 protected:
  void SetUp() override { kept.start_without_window(); }

  void expect_same_after(const Step& step, const std::string& what) {
    steps.push_back(step);
    current_port = &port;
    step(kept);
    run(kept);
    testing::RecordingPort fresh_port;
    current_port = &fresh_port;
    App fresh{fresh_port};
    fresh.start_without_window();
    for (const Step& s : steps) s(fresh);
    run(fresh);
    EXPECT_EQ(verdict(kept), verdict(fresh)) << what;
  }

  virtual void run(App& app) = 0;
  virtual std::vector<std::uint8_t> verdict(App& app) = 0;

  testing::RecordingPort port;
  App kept{port};
  std::vector<Step> steps;
  testing::RecordingPort* current_port = &port;  // the port of the App a step is applied to
};

std::string every_nth_pick(Mode mode, int first, int n) {
  const Universe& u = universe(mode);
  std::string text;
  for (int i = first; i <= u.size; i += n) text += u.lines[static_cast<std::size_t>(i)] + "\r\n";
  return text;
}

Step set(Ctl array, int index, std::string text) {
  return [=](App& app) { app.set_text({array, index}, text); };
}

class FrontFiveReruns : public Reruns {
  void run(App& app) override { app.click({Ctl::C_jg_gn, 10}); }
  std::vector<std::uint8_t> verdict(App& app) override {
    const auto v = app.engine().matrix(Mode::Five).verdict();
    return {v.begin(), v.end()};
  }
};

TEST_F(FrontFiveReruns, FollowEveryBoxRangeAndList) {
  expect_same_after(set(Ctl::T_nei_txt_ip, 24, every_nth_pick(Mode::Five, 1, 3)), "kill list");
  expect_same_after(set(Ctl::T_nei_txt_ip, 34, every_nth_pick(Mode::Five, 1, 2)), "a different base list");
  expect_same_after(set(Ctl::T_nei_txt_ip, 25, "12,34  56 x"), "pairs to be cleaned");
  expect_same_after(set(Ctl::Comb_rc, 35, "1"), "their range");
  expect_same_after([](App& app) { app.type_text({Ctl::T_nei_txt_ip, 25}, " 78"); }, "a key typed");
  expect_same_after(set(Ctl::T_nei_txt_ip, 24, every_nth_pick(Mode::Five, 2, 3)), "another kill list");
  expect_same_after([](App& app) { app.replace_text({Ctl::T_nei_txt_ip, 34}, 0, 16, ""); }, "a base line cut");
  expect_same_after(set(Ctl::T_nei_txt_ip, 28, "1*3*5 **246"), "patterns");
  expect_same_after(set(Ctl::T_nei_txt_ip, 29, "11000 00111"), "forms");
  expect_same_after(set(Ctl::T_nei_txt_ip, 33, "01.02./03.04./05.06./07.08./09.10."), "compound");
  expect_same_after([](App& app) { app.double_click({Ctl::T_nei_txt_ip, 24}); }, "kill list emptied");
  expect_same_after([](App& app) { app.click({Ctl::C_jg_gn, 5}); }, "a front-four run between");
  expect_same_after([](App& app) { app.click({Ctl::C_annv, 464}); }, "a button");
  expect_same_after([](App& app) { app.click({Ctl::C_annv, 464}); }, "the button again");
  expect_same_after([](App& app) { app.click({Ctl::C_annv_chu, 213}); }, "a shape button");
  expect_same_after(set(Ctl::Comb_jg_rc, page_table(Mode::Five).result.total_lower + 1, "3"), "the overall range");
}

class FrontThreeReruns : public Reruns {
  void run(App& app) override { app.click({Ctl::C_jg_gn, 0}); }
  std::vector<std::uint8_t> verdict(App& app) override {
    const auto v = app.engine().matrix(Mode::Three).verdict();
    return {v.begin(), v.end()};
  }
};

TEST_F(FrontThreeReruns, FollowTheCompoundList) {
  const auto lines = [](std::vector<std::string> rows) { return [=](App& app) { app.panel().list_nei.rows = rows; }; };
  expect_same_after(lines({"01/02/03"}), "a compound line");
  expect_same_after(lines({"01/02/03", "04 05/06/07"}), "another line");
  expect_same_after(lines({"04 05/06/07"}), "the first line deleted");
  expect_same_after(lines({}), "the list emptied");
}

class FrontSixReruns : public Reruns {
  void run(App& app) override { app.click({Ctl::C_q6_gn, 0}); }
  std::vector<std::uint8_t> verdict(App& app) override {
    const auto v = app.front6().result().verdict();
    return {v.begin(), v.end()};
  }
};

TEST_F(FrontSixReruns, FollowEveryBoxAndRange) {
  const auto range = [](int rc, int lo, int hi) {
    return [=](App& app) { app.selector_of({Ctl::rc_q6, rc})->choose(std::to_string(lo), std::to_string(hi)); };
  };
  expect_same_after(set(Ctl::T_q6, 1, "01 12 23,,34 x"), "pairs");
  expect_same_after(range(1, 0, 1), "their range");
  expect_same_after([](App& app) { app.type_text({Ctl::T_q6, 1}, " 45"); }, "a key typed");
  expect_same_after(set(Ctl::T_q6, 5, "1*3*5* **2468"), "patterns");
  expect_same_after(set(Ctl::T_q6, 11, "12/34/567/89/0/135\r\n"), "compound");
  expect_same_after([](App& app) { app.double_click({Ctl::T_q6, 5}); }, "patterns emptied");
  expect_same_after([](App& app) { app.click({Ctl::C_q6, 15}); }, "a button");
  expect_same_after(range(0, 1, 3), "the overall range");
  const auto paste = [this](int gn, int first, int n) {
    return [=, this](App& app) {
      std::string list;
      for (int i = first; i <= kPicks6; i += n) list += line_6x(i) + "\r\n";
      current_port->clipboard = list;
      app.click({Ctl::C_q6_gn, gn});
    };
  };
  expect_same_after(paste(10, 1, 7), "a pasted kill list");
  expect_same_after(paste(10, 2, 7), "another kill list in the same box");
  expect_same_after(paste(11, 1, 2), "a pasted base list");
  expect_same_after(paste(11, 2, 2), "another base list");
  expect_same_after([](App& app) { app.click({Ctl::C_q6_gn, 6}); }, "the page cleared");
}

}  // namespace
}  // namespace tesvik
