#pragma once
// The resources built into the program (resources/embed.cmake): the help
// texts "101", "102", "103", "Q6" and "DJ" (GBK text) and the picture "DM"
// (JPEG).

#include <cstdint>
#include <span>
#include <string_view>

namespace tesvik {

// The bytes of a resource; empty for a name the program does not carry.
std::span<const std::uint8_t> resource_bytes(std::string_view name);

}  // namespace tesvik
