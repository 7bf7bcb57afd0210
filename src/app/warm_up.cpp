#include "app/warm_up.h"

#include <string>

#include "app/app.h"
#include "front6/universe_6x.h"
#include "model/universe.h"
#include "support/quiet_port.h"

namespace tesvik {
namespace {

constexpr int kRun3 = 0, kRun4 = 5, kRun5 = 10, kRun6 = 0, kCopyAll6 = 1;

// Every `step`th pick line of front six, as a pasted list.
std::string some_picks_6x(int step) {
  std::string text;
  for (int i = 1; i <= kPicks6; i += step) text += line_6x(i) + "\r\n";
  return text;
}

void paste_6x(App& app, QuietPort& port, int gn, std::string text) {
  port.clipboard = std::move(text);
  app.click({Ctl::C_q6_gn, gn});
}

// Front six with a condition in every box and a dozen buttons set: a run,
// a run with the boxes read anew, and the copy of all its picks.
void front_six(App& app, QuietPort& port) {
  paste_6x(app, port, 10, some_picks_6x(3));
  paste_6x(app, port, 11, some_picks_6x(5));
  app.set_text({Ctl::T_q6, 1}, "01 12 23 34 45 56 67 78 89 90");
  app.set_text({Ctl::T_q6, 2}, "012 123 234 345 456 567");
  app.set_text({Ctl::T_q6, 3}, "0123 2345 4567 6789");
  app.set_text({Ctl::T_q6, 4}, "01234 34567 56789");
  app.set_text({Ctl::T_q6, 5}, "1*3*5* **2468 012345");
  for (int k = 7; k <= 9; ++k) app.set_text({Ctl::T_q6, k}, "111000 000111 101010");
  app.set_text({Ctl::T_q6, 10}, "012012 210210");
  app.set_text({Ctl::T_q6, 11}, "12/34/567/89/0/135\r\n2/46/8/13/579/0\r\n");
  for (int i : {10, 15, 16, 17, 41, 45, 62, 101, 102, 103, 211, 216, 238, 240}) app.click({Ctl::C_q6, i});
  for (int rc = 0; rc <= 10; ++rc) app.selector_of({Ctl::rc_q6, rc})->choose("0", "4");
  app.click({Ctl::C_q6_gn, kRun6});
  app.set_text({Ctl::T_q6, 1}, "01 12 23 34 45 56 67 78 89");
  app.click({Ctl::C_q6_gn, kRun6});
  app.click({Ctl::C_q6_gn, kCopyAll6});
}

// Fronts three to five with every pick pasted and a few conditions: a run each.
void fronts_three_to_five(App& app) {
  const struct {
    Mode mode;
    int list_box, run;
  } pages[] = {{Mode::Three, 0, kRun3}, {Mode::Four, 8, kRun4}, {Mode::Five, 24, kRun5}};
  for (const auto& page : pages) {
    std::string list;
    const Universe& u = universe(page.mode);
    for (int i = 1; i <= u.size; i += 7) list += u.lines[static_cast<std::size_t>(i)] + "\r\n";
    app.set_text({Ctl::T_nei_txt_ip, page.list_box}, list);
    app.click({Ctl::C_jg_gn, page.run});
  }
  for (int i : {464, 474, 480, 481, 506, 517, 557}) app.click({Ctl::C_annv, i});
  for (int i : {213, 214, 215, 294, 295}) app.click({Ctl::C_annv_chu, i});
  app.set_text({Ctl::T_nei_txt_ip, 25}, "01 23 45 67 89 13 57");
  app.set_text({Ctl::T_nei_txt_ip, 28}, "0123* 4*6*8 13579");
  app.set_text({Ctl::T_nei_txt_ip, 33}, "01.02./03.04./05.06./07.08./09.10.");
  for (int lower = 34; lower <= 50; lower += 2) {
    app.set_text({Ctl::Comb_rc, lower}, "0");
    app.set_text({Ctl::Comb_rc, lower + 1}, "4");
  }
  app.click({Ctl::C_jg_gn, kRun5});
  app.click({Ctl::C_jg_gn, kRun5});
}

}  // namespace

void warm_up() {
  QuietPort port;
  App app{port};
  app.start_without_window();
  front_six(app, port);
  fronts_three_to_five(app);
}

}  // namespace tesvik
