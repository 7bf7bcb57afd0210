#include "model/universe.h"

#include <algorithm>
#include <stdexcept>

#include "model/number_text.h"
#include "model/pick_order.h"

namespace tesvik {

namespace {

std::int64_t code_base(int places) {
  std::int64_t base = 1;
  for (int p = 0; p < places; ++p) base *= 10;
  return base;
}

void append_pick(Universe& u, const std::array<std::uint8_t, kMaxPlaces>& pick) {
  std::string line;
  line.reserve(static_cast<std::size_t>(u.places) * 3);
  std::uint32_t code = 1;
  for (int p = 0; p < u.places; ++p) {
    if (p > 0) line += ' ';
    line += two_digit(pick[static_cast<std::size_t>(p)]);
    code = code * 10 + static_cast<std::uint32_t>(shorthand_digit(pick[static_cast<std::size_t>(p)]) - '0');
  }
  u.numbers.push_back(pick);
  u.lines.push_back(std::move(line));
  u.codes.push_back(code);
  u.index_of_code[static_cast<std::size_t>(code - code_base(u.places))] = u.size + 1;
  ++u.size;
}

}  // namespace

int Universe::pick_of_code(std::int64_t code) const {
  if (index_of_code.empty()) return 0;
  const std::int64_t base = code_base(places);
  if (code < base || code >= 2 * base) return 0;
  return index_of_code[static_cast<std::size_t>(code - base)];
}

int Universe::pick_of_numbers(const int* numbers) const {
  std::int64_t code = 1;
  for (int p = 0; p < places; ++p) {
    const char digit = shorthand_digit(numbers[p]);
    if (!digit) return 0;
    code = code * 10 + (digit - '0');
  }
  return pick_of_code(code);
}

Universe build_universe(int places) {
  if (places < 3 || places > kMaxPlaces) throw std::invalid_argument("places must be 3..5");
  Universe u;
  u.places = places;
  std::size_t expected = 1;
  for (int p = 0; p < places; ++p) expected *= static_cast<std::size_t>(kNumbers - p);
  u.numbers.reserve(expected + 1);
  u.lines.reserve(expected + 1);
  u.codes.reserve(expected + 1);
  u.numbers.push_back({});
  u.lines.emplace_back();
  u.codes.push_back(0);
  u.index_of_code.assign(static_cast<std::size_t>(code_base(places)), 0);
  for_each_pick(places, [&u](std::span<const std::uint8_t> numbers) {
    std::array<std::uint8_t, kMaxPlaces> pick{};
    std::copy(numbers.begin(), numbers.end(), pick.begin());
    append_pick(u, pick);
  });
  return u;
}

const Universe& universe(int places) {
  static const Universe u3 = build_universe(3);
  static const Universe u4 = build_universe(4);
  static const Universe u5 = build_universe(5);
  switch (places) {
    case 3: return u3;
    case 4: return u4;
    case 5: return u5;
    default: throw std::invalid_argument("places must be 3..5");
  }
}

std::string line_with_separator(std::string_view line, std::string_view sep) {
  if (sep == " ") return std::string(line);
  std::string out;
  out.reserve(line.size());
  for (char c : line) {
    if (c == ' ') out += sep;
    else out += c;
  }
  return out;
}

}  // namespace tesvik
