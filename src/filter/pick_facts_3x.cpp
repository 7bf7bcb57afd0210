#include "filter/pick_facts_3x.h"

#include <algorithm>
#include <string>

#include "model/run_shape.h"
#include "model/universe.h"

namespace tesvik {

namespace {

// The word of a number in a two-word form: 0 for the first word, 1 for the second.
int word(Form3x form, int n) {
  switch (form) {
    case kSizeForm: return n <= 5;                                   // 大 / 小
    case kParityForm: return n % 2 == 0;                             // 奇 / 偶
    case kPrimeForm: return n == 4 || n == 6 || n >= 8;              // 质 / 合
    default: return 0;
  }
}

// Route digit of a number: n mod 3.
int route(int n) { return n % 3; }

const std::array<std::array<const char*, 2>, 3> kWords = {{{"大", "小"}, {"奇", "偶"}, {"质", "合"}}};

std::uint8_t index_of(const auto& texts, std::string_view t) {
  return static_cast<std::uint8_t>(std::find(texts.begin(), texts.end(), t) - texts.begin());
}

}  // namespace

const std::vector<std::string>& pattern_texts_3x(Form3x form) {
  static const std::array<std::vector<std::string>, kForms3x> texts = [] {
    std::array<std::vector<std::string>, kForms3x> t;
    for (int f = 0; f < 3; ++f)
      for (int bits = 0; bits < 8; ++bits) {
        std::string s;
        for (int p = 2; p >= 0; --p) s += kWords[static_cast<std::size_t>(f)][static_cast<std::size_t>((bits >> p) & 1)];
        t[static_cast<std::size_t>(f)].push_back(s);
      }
    for (int v = 0; v < 27; ++v)
      t[kRouteForm].push_back({char('0' + v / 9), char('0' + v / 3 % 3), char('0' + v % 3)});
    return t;
  }();
  return texts[static_cast<std::size_t>(form)];
}

const std::array<std::string_view, 3>& run_class_texts_3x() {
  static constexpr std::array<std::string_view, 3> t = {"不连", "2连", "3连"};
  return t;
}
const std::array<std::string_view, 3>& slope_texts_3x() {
  static constexpr std::array<std::string_view, 3> t = {"上山", "下山", "无"};
  return t;
}
const std::array<std::string_view, 3>& shape_texts_3x() {
  static constexpr std::array<std::string_view, 3> t = {"凹", "凸", "无"};
  return t;
}

const std::vector<PickFacts3x>& pick_facts_3x() {
  static const std::vector<PickFacts3x> facts = [] {
    const Universe& u = universe(3);
    std::vector<PickFacts3x> v(static_cast<std::size_t>(u.size) + 1);
    for (int i = 1; i <= u.size; ++i) {
      PickFacts3x& f = v[static_cast<std::size_t>(i)];
      const int a = u.number(i, 1), b = u.number(i, 2), c = u.number(i, 3);
      f.n = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(c)};
      f.sum = static_cast<std::uint8_t>(a + b + c);
      f.smallest = static_cast<std::uint8_t>(std::min({a, b, c}));
      f.largest = static_cast<std::uint8_t>(std::max({a, b, c}));
      f.span = static_cast<std::uint8_t>(f.largest - f.smallest);
      for (int form = 0; form < 3; ++form)
        f.pattern[static_cast<std::size_t>(form)] = static_cast<std::uint8_t>(
            4 * word(Form3x(form), a) + 2 * word(Form3x(form), b) + word(Form3x(form), c));
      f.pattern[kRouteForm] = static_cast<std::uint8_t>(9 * route(a) + 3 * route(b) + route(c));
      f.run_class = index_of(run_class_texts_3x(), run_class_3x(u.lines[static_cast<std::size_t>(i)]));
      f.slope = a < b && b < c ? 0 : a > b && b > c ? 1 : 2;
      f.shape = b < a && b < c ? 0 : b > a && b > c ? 1 : 2;
    }
    return v;
  }();
  return facts;
}

}  // namespace tesvik
