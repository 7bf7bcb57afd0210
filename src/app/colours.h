#pragma once
// Button colours as the window stores them, in 0x00BBGGRR order.

#include <cstdint>

namespace tesvik {

using Colour = std::uint32_t;

inline constexpr Colour kNeutral = 14737632;  // 0xE0E0E0 light grey: not selected
inline constexpr Colour kKill = 65535;        // 0x00FFFF yellow
inline constexpr Colour kKeep = 65280;        // 0x00FF00 green: keep, or the chosen option
inline constexpr Colour kExclude = 255;       // 0x0000FF red
inline constexpr Colour kAdvertBlue = 0xFF0000;
inline constexpr Colour kAdvertRed = 255;

}  // namespace tesvik
