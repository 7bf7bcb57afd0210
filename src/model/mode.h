#pragma once
// The four modes of the program: which front ranks a bet names.

#include <array>
#include <cstdint>
#include <string_view>

namespace tesvik {

enum class Mode : std::uint8_t { Three, Four, Five, Six };

// Modes filtered on the shared condition pages; front six has its own page.
inline constexpr std::array<Mode, 3> kConditionModes = {Mode::Three, Mode::Four, Mode::Five};

constexpr int places_of(Mode m) { return 3 + static_cast<int>(m); }

// The short name of a mode's page, as file names carry it.
constexpr std::string_view page_name(Mode m) {
  constexpr std::array<std::string_view, 4> kNames = {"前三", "前四", "前五", "前六"};
  return kNames[static_cast<std::size_t>(m)];
}

// Number of ordered picks of k places: 720, 5040, 30240, 151200 for k = 3..6.
constexpr int universe_size(int places) {
  int n = 1;
  for (int p = 0; p < places; ++p) n *= 10 - p;
  return n;
}

constexpr int picks_of(Mode m) { return universe_size(places_of(m)); }

}  // namespace tesvik
