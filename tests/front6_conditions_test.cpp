// Every front-six condition through the page against a plain reading of its
// rule. Each row sets up the page as a user would, presses "开始缩水" and
// compares the kept picks with a predicate that evaluates the rule pick by
// pick from the numbers, item by item from the typed text.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "app/app.h"
#include "literal_6x.h"
#include "recording_port.h"

namespace tesvik {
namespace {

using literal6::Pick;

struct Page {
  testing::RecordingPort port;
  App app{port};
  Page() { app.start_without_window(); }
  void click(std::initializer_list<int> q6) {
    for (int i : q6) app.click({Ctl::C_q6, i});
  }
  void box(int k, std::string text) { app.set_text({Ctl::T_q6, k}, std::move(text)); }
  void range(int rc, int lo, int hi) {
    app.selector_of({Ctl::rc_q6, rc})->choose(std::to_string(lo), std::to_string(hi));
  }
  void paste(int gn, std::string text) {
    port.clipboard = std::move(text);
    app.click({Ctl::C_q6_gn, gn});
  }
};

// ---- the rules, read plainly ----

bool allows(int h, int lo, int hi) { return h >= lo && h <= hi && h <= 99; }
bool has(const Pick& p, int n) { return std::find(p.begin(), p.end(), n) != p.end(); }
Pick sorted(Pick p) {
  std::sort(p.begin(), p.end());
  return p;
}
int sum(const Pick& p) { return p[0] + p[1] + p[2] + p[3] + p[4] + p[5]; }
int count_in(const Pick& p, std::initializer_list<int> set) {
  int c = 0;
  for (int n : p) c += std::find(set.begin(), set.end(), n) != set.end();
  return c;
}

// Counters of items, read once from the typed text and then applied pick by pick.
using Counter = std::function<int(const Pick&)>;

// Distinct combinations of k numbers typed as shorthand tokens of exactly k
// digits that the pick contains.
Counter combinations(const std::string& text, std::size_t k) {
  std::set<std::multiset<int>> combos;
  for (const std::string& t : literal6::tokens(text, "0123456789"))
    if (t.size() == k) {
      std::multiset<int> c;
      for (char d : t) c.insert(literal6::number_of(d));
      combos.insert(c);
    }
  return [combos, k](const Pick& p) {
    int h = 0;
    for (const auto& c : combos) {
      bool all = std::set<int>(c.begin(), c.end()).size() == k;
      for (int n : c) all = all && has(p, n);
      h += all;
    }
    return h;
  };
}

Counter positional(const std::string& text) {
  std::vector<std::string> patterns;
  for (const std::string& t : literal6::tokens(text, "0123456789*"))
    if (t.size() == 6 && t != "******") patterns.push_back(t);
  return [patterns](const Pick& p) {
    int h = 0;
    for (const std::string& t : patterns) {
      bool all = true;
      for (std::size_t k = 0; k < 6; ++k) all = all && (t[k] == '*' || literal6::number_of(t[k]) == p[k]);
      h += all;
    }
    return h;
  };
}

// The six class digits of a pick in place order, as a token of a form box.
std::string classes(const Pick& p, int form) {
  std::string s;
  for (int n : p) {
    switch (form) {
      case 0: s += n >= 6 ? '1' : '0'; break;                      // 大1小0
      case 1: s += n % 2 ? '1' : '0'; break;                       // 奇1偶0
      case 2: s += has({1, 2, 3, 5, 7, 0}, n) ? '1' : '0'; break;  // 质1合0
      default: s += static_cast<char>('0' + (n % 3 == 1 ? 1 : n % 3 == 2 ? 2 : 0)); break;
    }
  }
  return s;
}

// 1 when the form box names the pick's class digits.
Counter form(const std::string& text, int kind) {
  const auto tokens = literal6::tokens(text, kind == 3 ? "012" : "01");
  return [tokens, kind](const Pick& p) {
    return static_cast<int>(std::find(tokens.begin(), tokens.end(), classes(p, kind)) != tokens.end());
  };
}

int longest_run(const Pick& pick) {
  const Pick s = sorted(pick);
  if (s[5] - s[0] == 5) return 6;
  if (s[5] - s[1] == 4 || s[4] - s[0] == 4) return 5;
  if (s[5] - s[2] == 3 || s[4] - s[1] == 3 || s[3] - s[0] == 3) return 4;
  if (s[5] - s[3] == 2 || s[4] - s[2] == 2 || s[3] - s[1] == 2 || s[2] - s[0] == 2) return 3;
  for (std::size_t k = 1; k < 6; ++k)
    if (s[k] - s[k - 1] == 1) return 2;
  return 0;
}

int mountain(const Pick& p) {
  int falls = 0;
  for (std::size_t k = 1; k < 6; ++k) falls += p[k] < p[k - 1];
  return falls == 0 ? 11 : falls == 5 ? 12 : 0;
}

struct Case {
  const char* name;
  std::function<void(Page&)> setup;
  std::function<bool(const Pick&)> kept;
};

const std::vector<Case>& cases() {
  static const std::vector<Case> table = {
      {"no condition keeps everything", [](Page&) {}, [](const Pick&) { return true; }},
      {"no condition with total 1-1 keeps nothing", [](Page& pg) { pg.range(0, 1, 1); },
       [](const Pick&) { return false; }},
      {"kill-exact list",
       [](Page& pg) { pg.paste(10, "01 02 03 04 05 06\r\n10,09,08,07,06,05\r\n000102030405\r\n0102030405067"); },
       [](const Pick& p) { return p != Pick{1, 2, 3, 4, 5, 6} && p != Pick{10, 9, 8, 7, 6, 5}; }},
      {"base list with total 0-1 and a kill",
       [](Page& pg) {
         pg.paste(11, "010203040506\n010203040507\r\n100908070605\r000000000000");
         pg.click({1});
         pg.range(0, 0, 1);
       },
       [](const Pick& p) {
         return p == Pick{1, 2, 3, 4, 5, 6} || p == Pick{1, 2, 3, 4, 5, 7} || p == Pick{10, 9, 8, 7, 6, 5};
       }},
      {"2-number 12 with 1-1",
       [](Page& pg) {
         pg.box(1, "12");
         pg.range(1, 1, 1);
       },
       [](const Pick& p) { return has(p, 1) && has(p, 2); }},
      {"2-number 12 21 counts once with 2-2",
       [](Page& pg) {
         pg.box(1, "12,21");
         pg.range(1, 2, 2);
       },
       [](const Pick&) { return false; }},
      {"3-number with repeats and wrong lengths, 0-1",
       [](Page& pg) {
         pg.box(2, "123 1234 112 145 x09 3 21");
         pg.range(2, 0, 1);
       },
       [h = combinations("123 1234 112 145 x09 3 21", 3)](const Pick& p) { return allows(h(p), 0, 1); }},
      {"4-number 1-1",
       [](Page& pg) {
         pg.box(3, "1234 5678 2468 13579");
         pg.range(3, 1, 1);
       },
       [h = combinations("1234 5678 2468 13579", 4)](const Pick& p) { return allows(h(p), 1, 1); }},
      {"5-number 0-0", [](Page& pg) { pg.box(4, "12345 67890 13579 11111"); },
       [h = combinations("12345 67890 13579 11111", 5)](const Pick& p) { return allows(h(p), 0, 0); }},
      {"5-number of a repeated digit only, 1-1: active, every pick fails",
       [](Page& pg) {
         pg.box(4, "11111");
         pg.range(4, 1, 1);
       },
       [](const Pick&) { return false; }},
      {"positional patterns 0-1",
       [](Page& pg) {
         pg.box(5, "3****9 1***** ****** 12**** *2**** 0*0***");
         pg.range(5, 0, 1);
       },
       [h = positional("3****9 1***** ****** 12**** *2**** 0*0***")](const Pick& p) { return allows(h(p), 0, 1); }},
      {"only ****** is no pattern: inactive under 1-1",
       [](Page& pg) {
         pg.box(5, "****** ******");
         pg.range(5, 1, 1);
       },
       [](const Pick&) { return true; }},
      {"form boxes 1-1",
       [](Page& pg) {
         pg.box(7, "111001");
         pg.box(8, "101010 010101 1010");
         pg.box(10, "012012 2a2a2a");
         pg.range(8, 1, 1);
       },
       [size = form("111001", 0), parity = form("101010 010101 1010", 1),
        route = form("012012 2a2a2a", 3)](const Pick& p) { return allows(size(p) + parity(p) + route(p), 1, 1); }},
      {"prime form 0-0", [](Page& pg) { pg.box(9, "111111 000111"); },
       [prime = form("111111 000111", 2)](const Pick& p) { return prime(p) == 0; }},
      {"kill numbers, span and sum",
       [](Page& pg) {
         pg.click({1, 5, 11, 15, 16, 25, 40});
       },
       [](const Pick& p) {
         const Pick s = sorted(p);
         const int span = s[5] - s[0], total = sum(p);
         return !has(p, 1) && !has(p, 5) && span != 5 && span != 9 && total != 21 && total != 30 && total != 45;
       }},
      {"positional kill 1-2",
       [](Page& pg) {
         pg.click({41, 42, 100, 55});
         pg.range(6, 1, 2);
       },
       [](const Pick& p) { return allows((p[0] <= 2) + (p[5] == 10) + (p[1] == 5), 1, 2); }},
      {"groups with and without counts, 0-1",
       [](Page& pg) {
         pg.click({101, 102, 103});       // group 1: 01 02 03, no count: 1..6 allowed
         pg.click({114, 115, 169, 170});  // group 2: 04 05, counts 1 and 2
         pg.click({175, 176});            // group 3: counts only, no effect
         pg.range(7, 0, 1);
       },
       [](const Pick& p) {
         const int g1 = count_in(p, {1, 2, 3}), g2 = count_in(p, {4, 5});
         return allows((g1 == 0) + !(g2 == 1 || g2 == 2), 0, 1);
       }},
      {"class counts 0-0",
       [](Page& pg) {
         pg.click({211, 215, 217});
       },
       [](const Pick& p) {
         const int big = count_in(p, {6, 7, 8, 9, 10}), odd = count_in(p, {1, 3, 5, 7, 9});
         return big == 3 && (odd == 2 || odd == 4);
       }},
      {"class counts of primes 1-1",
       [](Page& pg) {
         pg.click({223});
         pg.range(9, 1, 1);
       },
       [](const Pick& p) {
         return count_in(p, {1, 2, 3, 5, 7}) != 5;
       }},
      {"smallest and largest",
       [](Page& pg) {
         pg.click({224, 225, 232, 233});
       },
       [](const Pick& p) {
         const Pick s = sorted(p);
         return s[0] <= 2 && s[5] >= 9;
       }},
      {"smallest above every largest: nothing kept",
       [](Page& pg) {
         pg.click({228, 229});
       },
       [](const Pick&) { return false; }},
      {"special: runs of 3 and 6, and up-hill",
       [](Page& pg) {
         pg.click({235, 238, 239});
       },
       [](const Pick& p) { return longest_run(p) != 3 && longest_run(p) != 6 && mountain(p) != 11; }},
      {"special: down-hill only", [](Page& pg) { pg.click({240}); }, [](const Pick& p) { return mountain(p) != 12; }},
      {"compound lines 1-2",
       [](Page& pg) {
         pg.box(11,
                "123/456/789/0/12345/67890\r\n1234567890/1234567890/1234567890/1234567890/1234567890/1234567890\r\n"
                "12/34/56/78/90\r\n/1/2/3/4/5/6/7\r\nx1/2/3/4/5/6");
         pg.range(10, 1, 2);
       },
       [](const Pick& p) {
         const int a = has({1, 2, 3}, p[0]) && has({4, 5, 6}, p[1]) && has({7, 8, 9}, p[2]) && p[3] == 10 &&
                       p[4] <= 5 && p[4] >= 1 && p[5] >= 6;
         const int c = p[0] == 1 && p[1] == 2 && p[2] == 3 && p[3] == 4 && p[4] == 5 && p[5] == 6;
         return allows(a + 1 + c, 1, 2);  // the second line covers every pick; the third has five fields
       }},
      {"two failed conditions under total 1-1",
       [](Page& pg) {
         pg.click({10});
         pg.box(1, "12");
         pg.click({239});
         pg.range(0, 1, 1);
       },
       [](const Pick& p) { return has(p, 10) + (has(p, 1) && has(p, 2)) + (mountain(p) == 11) == 1; }},
  };
  return table;
}

TEST(FrontSixConditions, EveryRuleAgreesWithItsPlainReading) {
  for (const Case& c : cases()) {
    Page page;
    c.setup(page);
    page.app.click({Ctl::C_q6_gn, 0});
    ASSERT_TRUE(page.app.front6().has_result()) << c.name;
    const ConditionMatrix& result = page.app.front6().result();
    const auto& picks = literal6::picks();
    int kept = 0, mismatches = 0;
    for (std::size_t i = 0; i < picks.size(); ++i) {
      const bool expected = c.kept(picks[i]);
      kept += expected;
      if (result.kept(static_cast<int>(i + 1)) != expected && ++mismatches <= 3)
        ADD_FAILURE() << c.name << ": pick " << i + 1 << " expected " << (expected ? "kept" : "removed");
    }
    EXPECT_EQ(page.app.front6().state().count.label.caption, std::to_string(kept)) << c.name;
  }
}

}  // namespace
}  // namespace tesvik
