#include "model/run_shape.h"

namespace tesvik {

namespace {

// +1 where place p+1 is above place p, -1 where it is below.
int step(PickNumbers n, std::size_t p) { return n[p + 1] > n[p] ? 1 : -1; }

// Every step from place `from` to place `to` (0-based, from < to) goes the way of `direction`.
bool monotone(PickNumbers n, std::size_t from, std::size_t to, int direction) {
  for (std::size_t p = from; p < to; ++p)
    if (step(n, p) != direction) return false;
  return true;
}

}  // namespace

int longest_run(PickNumbers numbers) {
  unsigned present = 0;
  for (std::uint8_t n : numbers) present |= 1u << n;
  int longest = 0;
  int run = 0;
  for (int n = 1; n <= 10; ++n) {
    run = (present >> n) & 1u ? run + 1 : 0;
    if (run > longest) longest = run;
  }
  return longest;
}

std::string_view run_class_text(int longest_run) {
  static constexpr std::array<std::string_view, 7> kTexts = {"不连", "不连", "2连", "3连", "4连", "5连", "6连"};
  return longest_run >= 0 && longest_run < static_cast<int>(kTexts.size())
             ? kTexts[static_cast<std::size_t>(longest_run)]
             : "不连";
}

Slope slope_of(PickNumbers n) {
  if (n.size() < 2) return Slope::None;
  if (monotone(n, 0, n.size() - 1, 1)) return Slope::Up;
  if (monotone(n, 0, n.size() - 1, -1)) return Slope::Down;
  return Slope::None;
}

Shape shape_of(PickNumbers n) {
  if (n.size() < 3) return Shape::None;
  const std::size_t last = n.size() - 1;
  for (std::size_t v = (n.size() - 1) / 2; v <= n.size() / 2; ++v) {
    if (monotone(n, 0, v, -1) && monotone(n, v, last, 1)) return Shape::Valley;
    if (monotone(n, 0, v, 1) && monotone(n, v, last, -1)) return Shape::Peak;
  }
  return Shape::None;
}

Zigzag zigzag_of(PickNumbers n) {
  if (n.size() < 3) return Zigzag::None;
  const int first = step(n, 0);
  for (std::size_t p = 1; p + 1 < n.size(); ++p)
    if (step(n, p) != (p % 2 ? -first : first)) return Zigzag::None;
  return first > 0 ? Zigzag::Up : Zigzag::Down;
}

}  // namespace tesvik
