#include "model/run_shape.h"

#include <array>
#include <span>

#include "model/number_text.h"
#include "model/universe.h"

namespace tesvik {

namespace {

// Runs of consecutive numbers, written as two-digit texts without separator.
constexpr std::array<std::string_view, 9> kTwoRuns{"0102", "0203", "0304", "0405", "0506",
                                                   "0607", "0708", "0809", "0910"};
constexpr std::array<std::string_view, 8> kThreeRuns{"010203", "020304", "030405", "040506",
                                                     "050607", "060708", "070809", "080910"};
constexpr std::array<std::string_view, 7> kFourRuns{"01020304", "02030405", "03040506", "04050607",
                                                    "05060708", "06070809", "07080910"};

bool contains_any(std::string_view s, std::span<const std::string_view> items) {
  for (std::string_view item : items)
    if (s.find(item) != std::string_view::npos) return true;
  return false;
}

// Class of a sorted text of two-digit numbers by the longest run item it
// contains; four-runs are only looked for when asked.
std::string_view class_of_sorted(std::string_view sorted, bool with_four_runs) {
  if (with_four_runs && contains_any(sorted, kFourRuns)) return "4连";
  if (contains_any(sorted, kThreeRuns)) return "3连";
  if (contains_any(sorted, kTwoRuns)) return "2连";
  return "不连";
}

// Value of a two-character piece of digits, or -1 when it is not one.
int two_digit_value(std::string_view piece) {
  if (piece.size() != 2) return -1;
  const char hi = piece[0];
  const char lo = piece[1];
  if (hi < '0' || hi > '9' || lo < '0' || lo > '9') return -1;
  return (hi - '0') * 10 + (lo - '0');
}

// Numbers of places 1..5 of a pick (unused places are 0).
struct Places {
  int a, b, c, d, e;
};

Places places_of(const Universe& u, int pick) {
  Places p{u.number(pick, 1), u.number(pick, 2), u.number(pick, 3), u.number(pick, 4), 0};
  if (u.places >= 5) p.e = u.number(pick, 5);
  return p;
}

bool in_universe(const Universe& u, int pick) { return pick >= 1 && pick <= u.size; }

}  // namespace

std::string_view run_class_3x(std::string_view pick_line) {
  // The numbers that occur in the line, in ascending order, joined.
  std::array<char, 2 * kNumbers> buffer{};
  std::size_t length = 0;
  for (int n = 1; n <= kNumbers; ++n) {
    const std::string_view text = two_digit(n);
    if (pick_line.find(text) == std::string_view::npos) continue;
    buffer[length++] = text[0];
    buffer[length++] = text[1];
  }
  return class_of_sorted(std::string_view(buffer.data(), length), false);
}

std::string_view run_class_4x(std::string_view text, std::string_view key) {
  if (key != "连") return {};
  // Slot v holds the piece whose value is v, so joining the slots sorts them.
  std::array<std::string_view, kNumbers + 1> slots{};
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view piece = text.substr(start, end - start);
    const int value = two_digit_value(piece);
    if (value >= 0 && value <= kNumbers) slots[static_cast<std::size_t>(value)] = piece;
    start = end + 1;
  }
  std::array<char, 2 * (kNumbers + 1)> buffer{};
  std::size_t length = 0;
  for (std::string_view slot : slots)
    for (char c : slot) buffer[length++] = c;
  return class_of_sorted(std::string_view(buffer.data(), length), true);
}

std::string_view run_class_5x(int pick_index) {
  const Universe& u = universe(5);
  if (!in_universe(u, pick_index)) return "不连";
  // Character n-1 is '1' when the pick contains number n.
  std::array<char, kNumbers> buffer{};
  for (int n = 1; n <= kNumbers; ++n)
    buffer[static_cast<std::size_t>(n - 1)] = u.contains(pick_index, n) ? '1' : '0';
  const std::string_view presence(buffer.data(), buffer.size());
  std::string_view result = "不连";
  if (presence.find("11") != std::string_view::npos) result = "2连";
  if (presence.find("111") != std::string_view::npos) result = "3连";
  if (presence.find("1111") != std::string_view::npos) result = "4连";
  if (presence.find("11111") != std::string_view::npos) result = "5连";
  return result;
}

std::string_view slope_shape_4x(int pick_index, std::string_view key) {
  const Universe& u = universe(4);
  if (!in_universe(u, pick_index)) return "无";
  const auto [a, b, c, d, e] = places_of(u, pick_index);
  if (key == "山") {
    if (a > b && b > c && c > d) return "下山";
    if (a < b && b < c && c < d) return "上山";
  } else if (key == "凹") {
    // Valley or peak at B or C with the other side monotone; the four
    // patterns exclude each other.
    if (a > b && b < c && c < d) return "凹";
    if (a > b && b > c && c < d) return "凹";
    if (a < b && b > c && c > d) return "凸";
    if (a < b && b < c && c > d) return "凸";
  } else if (key == "N") {
    if (a < b && b > c && c < d) return "正";
    if (a > b && b < c && c > d) return "反";
  }
  return "无";
}

std::string_view slope_shape_5x(int pick_index, std::string_view key) {
  const Universe& u = universe(5);
  if (!in_universe(u, pick_index)) return "无";
  const auto [a, b, c, d, e] = places_of(u, pick_index);
  if (key == "山") {
    if (a > b && b > c && c > d && d > e) return "下山";
    if (a < b && b < c && c < d && d < e) return "上山";
  } else if (key == "形") {
    if (a > b && b > c && c < d && d < e) return "凹";
    if (a < b && b < c && c > d && d > e) return "凸";
  }
  return "无";
}

}  // namespace tesvik
