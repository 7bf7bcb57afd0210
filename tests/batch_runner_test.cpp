#include "app/batch/batch_runner.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <streambuf>
#include <string>

#include "app/app.h"
#include "app/batch/batch_port.h"
#include "app/batch/control_names.h"

namespace tesvik {
namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result run(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = run_batch(in, out, err);
  return {status, out.str(), err.str()};
}

TEST(BatchRunner, ErrorLineStopsAfterTheOutputOfEarlierLines) {
  const Result r = run("# counts\n\nprint L_jg_zhushu 0\nclick C_annv 615\nprint Fmain\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "L_jg_zhushu 0 caption=\"0\"\n");
  EXPECT_EQ(r.err, "error line 4: index 615 outside C_annv 0..614\n");
}

TEST(BatchRunner, UnreadableLinesGiveTheErrorLine) {
  for (const char* line :
       {// unknown command or control, missing or extra words
        "clik C_annv 0", "CLICK C_annv 0", "click", "click Foo 1", "click C_annv", "click C_annv 1 2", "click C1 0",
        "print List_nei 0", "close now", "set T_nei_txt_ip 0", "wait", "answer", "clipboard",
        // indices outside the array or not an int
        "click C_annv -1", "click C_q3_nei 5", "click C_ding_an 0", "click C_ding_an 7", "print T_duijiang 0",
        "print L_ad 0", "print List_jg 3", "click C_annv 1x", "click C_annv +1", "click C_annv 99999999999",
        // a command on the wrong kind of control
        "click T_nei_txt_ip 0", "click Comb_rc 0", "click List_jg 0", "click Fmain", "set C_annv 0 \"1\"",
        "type C1 \"1\"", "dblclick C_annv 0", "dblclick Comb_rc 0", "hover C_annv 0", "hover L_jg_zhushu 0",
        "select List_jg 0 0",
        // bad TEXT and bad numbers
        "set T_nei_txt_ip 0 abc", "set T_nei_txt_ip 0 \"abc", "set T_nei_txt_ip 0 \"a\" b", "clipboard \"\\q\"",
        "type Comb_rc 0 \"\\uDC00\"", "set T_q6 1 \"1\xff\"", "clipboard \"\xc3\"", "wait -1", "wait 2147483648",
        "clipboard-lock -1", "answer maybe", "select List_nei 0", "select List_nei -2",
        // the front-six selectors and viewer
        "range 11 0 0", "range 0 a 1", "range 0 1", "range 0 1 2 3", "scroll", "scroll x", "set rc_q6 0 \"1\"",
        "click ucf_q6show", "print ucf_q6show 0", "print C_q6 203", "print L_jg_zhushu 4"}) {
    const Result r = run(std::string(line) + "\n");
    EXPECT_EQ(r.status, 2) << line;
    EXPECT_EQ(r.out, "") << line;
    EXPECT_EQ(r.err.rfind("error line 1: ", 0), 0u) << line << " -> " << r.err;
  }
}

TEST(BatchRunner, AcceptsBlanksTabsAndCrLfLineEnds) {
  const Result r =
      run("\tprint  Fmain \r\n   # note\r\n\r\nprint C_annv -0\nset T_nei_txt_ip 0 \t \"a  b\" \t\n"
          "print T_nei_txt_ip 0");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Fmain caption=\"Tesvik\"\n"
            "C_annv 0 colour=14737632 caption=\"01\\r\\n02\" enabled=1 visible=1\n"
            "T_nei_txt_ip 0 text=\"a  b\"\n");
}

TEST(BatchRunner, SkipsAByteOrderMarkBeforeTheFirstLineOnly) {
  EXPECT_EQ(run("\xEF\xBB\xBFprint L_jg_zhushu 0\r\n").out, "L_jg_zhushu 0 caption=\"0\"\n");
  EXPECT_EQ(run("# one\n\xEF\xBB\xBFprint L_jg_zhushu 0\n").status, 2);
}

// A stream buffer that takes nothing, as a full disk or a closed pipe.
struct RefusingBuffer : std::streambuf {
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(BatchRunner, OutputThatCannotBeWrittenOrAScriptThatCannotBeReadFails) {
  RefusingBuffer refusing;
  std::ostream full(&refusing);
  std::istringstream script("print L_jg_zhushu 0\nprint L_jg_zhushu 1\n");
  std::ostringstream err;
  EXPECT_EQ(run_batch(script, full, err), 1);
  EXPECT_EQ(err.str(), "cannot write the output\n");

  std::istream unreadable(nullptr);
  std::ostringstream out;
  err.str("");
  EXPECT_EQ(run_batch(unreadable, out, err), 2);
  EXPECT_EQ(err.str(), "cannot read the script\n");
}

TEST(BatchRunner, WithoutNetworkPortsTheStartUpRunsOfflineWhateverTheServers) {
  NoticeConfig servers;
  servers.primary = "http://127.0.0.1:9/";  // would fail at once if it were asked
  std::istringstream in("network\nprint network\nprint C_ding_an 8\n");
  std::ostringstream out, err;
  EXPECT_EQ(run_batch(in, out, err, servers), 0);
  EXPECT_EQ(out.str(), "network state=\"\"\nC_ding_an 8 colour=14737632 caption=\"离线\" enabled=1 visible=1\n");
}

TEST(BatchRunner, AnswerHoldsForOneQuestionAndLinesAfterTheEndAreNotRead) {
  const Result r = run("answer no\nclose\nprint Fmain\nclose\nprint Fmain\nno such line\n");
  EXPECT_EQ(r.status, 0);
  const std::string question = "question \"温馨提示\" \"是否要关闭软件？\"";
  EXPECT_EQ(r.out, question + " -> no\nFmain caption=\"Tesvik\"\n" + question + " -> yes\nquit\n");
}

TEST(BatchRunner, SelectTakesOnlyExistingRows) {
  const std::string line = "click C_annv 115\nclick C_annv 125\nclick C_annv 135\nclick C_q3_nei 2\n";
  const Result r = run(line + "select List_nei 0\nprint List_nei\nselect List_nei -1\nprint List_nei\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "List_nei rows=1 selected=0\n  \"01/01/01\"\nList_nei rows=1 selected=-1\n  \"01/01/01\"\n");
  EXPECT_EQ(run(line + "select List_nei 1\n").err, "error line 5: no row 1 in List_nei (valid: -1..0)\n");
}

TEST(BatchRunner, EveryIndexOfEveryControlPrintsAndNoOther) {
  for (const ControlName& c : control_arrays()) {
    const std::string name(c.name);
    if (!c.indexed()) {
      EXPECT_EQ(run("print " + name + "\n").status, 0) << name;
      continue;
    }
    std::string script, expected_starts;
    for (const IndexRange& range : c.indices)
      for (int i = range.first; i <= range.last; ++i) {
        script += "print " + name + " " + std::to_string(i) + "\n";
        expected_starts += name + " " + std::to_string(i) + "\n";
      }
    const Result r = run(script);
    EXPECT_EQ(r.status, 0) << name << ": " << r.err;
    std::string starts;  // each line up to its first '=', rows of the result lists left out
    std::istringstream out(r.out);
    for (std::string line; std::getline(out, line);)
      if (!line.starts_with("  ")) starts += line.substr(0, line.find_last_of(' ', line.find('='))) + "\n";
    EXPECT_EQ(starts, expected_starts) << name;
    for (const int outside : {c.indices.front().first - 1, c.indices.back().last + 1})
      EXPECT_EQ(run("print " + name + " " + std::to_string(outside) + "\n").status, 2) << name << " " << outside;
  }
}

TEST(BatchRunner, ArbitraryBytesGiveAnErrorLineOrRun) {
  const std::string pieces[] = {"click",      "set",
                                "type",       "print",
                                "select",     "wait",
                                "clipboard",  "answer",
                                "C_annv",     "T_nei_txt_ip",
                                "List_nei",   "Comb_rc",
                                "0",          "-1",
                                "2147483647", "\"",
                                "\\u",        "\\uD83D",
                                "\\",         " ",
                                "\t",         "#",
                                "\r",         "\xff",
                                "\xe4\xb8",   std::string(1, '\0')};
  std::mt19937 random(7);
  for (int n = 0; n < 300; ++n) {
    std::string line;
    for (int k = random() % 8; k > 0; --k) {
      line += pieces[random() % std::size(pieces)];
      if (random() % 3 == 0) line += static_cast<char>(random() % 256);
    }
    if (line.find('\n') != std::string::npos) continue;
    const Result r = run(line + "\n");
    EXPECT_TRUE(r.status == 0 || (r.status == 2 && r.err.rfind("error line 1: ", 0) == 0)) << line;
  }
}

TEST(BatchPort, LockedClipboardFailsForTheGivenNumberOfAttempts) {
  std::ostringstream out;
  BatchPort port(out);
  port.put_clipboard("from elsewhere");
  port.lock_clipboard(2);
  EXPECT_FALSE(port.write_clipboard("01 02 03"));
  EXPECT_FALSE(port.read_clipboard());
  EXPECT_EQ(port.read_clipboard(), "from elsewhere");
  EXPECT_TRUE(port.write_clipboard("01 02 03\r\n04"));
  EXPECT_EQ(port.read_clipboard(), "01 02 03\r\n04");
  EXPECT_EQ(out.str(), "clipboard \"01 02 03\\r\\n04\"\n");
}

TEST(BatchPort, TipWindowLetsItsVirtualTimePass) {
  std::ostringstream out;
  BatchPort port(out);
  App app(port);
  port.attach(app);
  app.start_without_window();
  app.hover({Ctl::L_ad, 1});
  port.show_tip("复制成功");
  EXPECT_EQ(app.timers().now(), 600);
  EXPECT_TRUE(app.frame().ad[1].underline);  // the advert restores after 1000 ms
  port.show_tip("反选复制成功");
  EXPECT_FALSE(app.frame().ad[1].underline);
  EXPECT_EQ(out.str(), "tip \"复制成功\"\ntip \"反选复制成功\"\n");
}

}  // namespace
}  // namespace tesvik
