#pragma once
// The front-six result viewer: fifteen rows of kept pick lines and a scroll
// bar. It keeps a copy of the run's removal marks, not the lines, and writes
// the lines of the fifteen kept picks from the scroll value on at each
// redraw. A run hands its result over and the first draw follows on a
// one-shot timer of 20 ms, once the run has finished.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tesvik {

class ResultViewer {
 public:
  static constexpr int kRows = 15;
  static constexpr int kFirstDrawMs = 20;

  // set_timer(ms) arms the viewer's one-shot timer; 0 disarms it.
  explicit ResultViewer(std::function<void(int ms)> set_timer) : set_timer_(std::move(set_timer)) {}

  // The result of a run: removal marks by pick index (1 = removed), the
  // number of kept picks and the separator mode of the lines (1 blank,
  // 2 comma, 3 none). Arms the first draw.
  void set_data(std::span<const std::uint8_t> removal, int kept, int separator_mode);
  // Empties the area and the scroll range, and cancels a first draw that is
  // still due, so that an emptied viewer never shows an earlier result. The
  // marks are kept.
  void clear();
  // The timer fired: scroll range from the kept count, value 0, first draw.
  void first_draw();
  // The user moved the scroll bar to `value` (clamped to the range). A bar
  // without range has no thumb and cannot move.
  void scroll(int value);

  int value() const { return value_; }
  int max() const { return max_; }
  // The lines the area shows, at most kRows.
  const std::vector<std::string>& rows() const { return rows_; }

 private:
  void draw(int offset);

  std::function<void(int)> set_timer_;
  std::vector<std::uint8_t> removal_;
  int kept_ = 0;
  int separator_mode_ = 1;
  int value_ = 0;
  int max_ = 0;
  std::vector<std::string> rows_;
};

}  // namespace tesvik
