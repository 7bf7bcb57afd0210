#include "filter/pick_facts.h"

#include "model/pick_order.h"
#include "model/universe.h"

namespace tesvik {

namespace {

constexpr std::array<std::array<const char*, 2>, kWordForms> kWords = {{{"大", "小"}, {"奇", "偶"}, {"质", "合"}}};

template <int P>
std::vector<PickFact<P>> build_facts() {
  std::vector<PickFact<P>> facts(1);
  facts.reserve(static_cast<std::size_t>(universe_size(P)) + 1);
  for_each_pick(P, [&facts](std::span<const std::uint8_t> numbers) {
    PickFact<P>& f = facts.emplace_back();
    for (std::size_t p = 0; p < P; ++p) {
      f.n[p] = numbers[p];
      f.digit[p] = static_cast<std::uint8_t>(f.n[p] % 10);
    }
    f.sorted = f.n;  // insertion sort of a handful of numbers
    for (std::size_t a = 1; a < P; ++a)
      for (std::size_t b = a; b > 0 && f.sorted[b - 1] > f.sorted[b]; --b) {
        const std::uint8_t t = f.sorted[b];
        f.sorted[b] = f.sorted[b - 1];
        f.sorted[b - 1] = t;
      }
    f.smallest = f.sorted.front();
    f.largest = f.sorted.back();
    f.span = static_cast<std::uint8_t>(f.largest - f.smallest);
    f.sum = 0;
    f.digit_mask = 0;
    for (std::uint8_t d : f.digit) f.digit_mask = static_cast<std::uint16_t>(f.digit_mask | 1u << d);
    f.pattern = {};
    f.first_word_count = {};
    for (std::uint8_t n : f.n) {
      f.sum = static_cast<std::uint8_t>(f.sum + n);
      for (int form = 0; form < kWordForms; ++form) {
        const int bit = second_word(Form(form), n);
        f.pattern[static_cast<std::size_t>(form)] =
            static_cast<std::uint16_t>(2 * f.pattern[static_cast<std::size_t>(form)] + bit);
        f.first_word_count[static_cast<std::size_t>(form)] =
            static_cast<std::uint8_t>(f.first_word_count[static_cast<std::size_t>(form)] + !bit);
      }
      f.pattern[kRouteForm] = static_cast<std::uint16_t>(3 * f.pattern[kRouteForm] + n % 3);
    }
    f.longest_run = static_cast<std::uint8_t>(longest_run(f.n));
    f.slope = slope_of(f.n);
    f.shape = shape_of(f.n);
    f.zigzag = zigzag_of(f.n);
  });
  return facts;
}

}  // namespace

int second_word(Form form, int n) {
  switch (form) {
    case kSizeForm: return n <= 5;                       // 大 06..10 / 小 01..05
    case kParityForm: return n % 2 == 0;                 // 奇 / 偶
    case kPrimeForm: return n == 4 || n == 6 || n >= 8;  // 质 01 02 03 05 07 / 合
    default: return 0;
  }
}

const std::vector<std::string>& pattern_texts(Form form, int places) {
  static const auto tables = [] {
    std::array<std::array<std::vector<std::string>, kForms>, kMaxPlaces + 1> t;
    for (int k = 1; k <= kMaxPlaces; ++k) {
      for (int f = 0; f < kForms; ++f) {
        const int base = f == kRouteForm ? 3 : 2;
        int count = 1;
        for (int p = 0; p < k; ++p) count *= base;
        for (int v = 0; v < count; ++v) {
          std::string s;
          for (int p = k - 1, div = count / base; p >= 0; --p, div /= base) {
            const int d = v / div % base;
            s += f == kRouteForm ? std::string(1, char('0' + d))
                                 : kWords[static_cast<std::size_t>(f)][static_cast<std::size_t>(d)];
          }
          t[static_cast<std::size_t>(k)][static_cast<std::size_t>(f)].push_back(std::move(s));
        }
      }
    }
    return t;
  }();
  return tables.at(static_cast<std::size_t>(places)).at(static_cast<std::size_t>(form));
}

template <int P>
const std::vector<PickFact<P>>& pick_facts() {
  static const std::vector<PickFact<P>> facts = build_facts<P>();
  return facts;
}

template const std::vector<PickFact<3>>& pick_facts<3>();
template const std::vector<PickFact<4>>& pick_facts<4>();
template const std::vector<PickFact<5>>& pick_facts<5>();
template const std::vector<PickFact<6>>& pick_facts<6>();

}  // namespace tesvik
