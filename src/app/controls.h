#pragma once
// Plain state of the window's controls; the window renders these and the
// batch runner prints them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/colours.h"

namespace tesvik {

struct Button {
  Colour colour = kNeutral;
  std::string caption;
  bool enabled = true;
  bool visible = true;
  bool selected() const { return colour != kNeutral; }
};

// Captions of the selected buttons first..last in index order, each
// followed by suffix.
std::string selected_captions(const std::vector<Button>& buttons, int first, int last, std::string_view suffix);

struct ComboBox {
  std::string text;
  std::vector<std::string> items;
};

// A list box. Every change of its rows goes through the members below, which
// raise `revision`, so that a view redraws a list only when it changed
// instead of comparing its rows.
struct ListBox {
  std::vector<std::string> rows;
  int selected = -1;
  std::uint64_t revision = 0;
  void clear() {
    rows.clear();
    selected = -1;
    ++revision;
  }
  void assign(std::vector<std::string> new_rows) {
    rows = std::move(new_rows);
    selected = -1;
    ++revision;
  }
  void push_back(std::string row) {
    rows.push_back(std::move(row));
    ++revision;
  }
  void erase(std::size_t row) {
    if (row >= rows.size()) return;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(row));
    ++revision;
  }
};

struct Label {
  std::string caption;
  Colour fore = 0;
  bool underline = false;
  bool visible = true;
};

// A count label (L_jg_zhushu): the count of a page's last run as data, and
// the caption that shows it.
struct Count {
  int value = 0;
  Label label{"0"};
  void show(int n) {
    value = n;
    label.caption = std::to_string(n);
  }
};

// Control arrays of the main window, by their names in the program.
enum class Ctl {
  C_annv,
  C_annv_chu,
  C_cls,
  C_n_xuan_1,
  C_jg_gn,
  C_q3_nei,
  C_ding,
  C_ding_an,
  C_shuoming,
  T_nei_txt_ip,
  T_duijiang,
  Comb_rc,
  Comb_jg_rc,
  L_ad,
  L_jg_zhushu,
  List_jg,
  List_nei,
  C1,
  Fmain,
  C_q6,
  C_q6_cls,
  C_q6_gn,
  C_q6_shuoming,
  T_q6,
  rc_q6,
  ucf_q6show,
};

struct ControlRef {
  Ctl array;
  int index = 0;
};

}  // namespace tesvik
