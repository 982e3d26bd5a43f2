#pragma once
// Pictures and recordings built into the program (see cmake/embed_assets.cmake).
#include <cstdint>
#include <span>
#include <string_view>

namespace assets {
// The bytes of the file assets/NAME (for example "vrt.lta" or "sounds/01_helik.wav"),
// or an empty span when the file was not there at build time.
std::span<const std::uint8_t> Embedded(std::string_view name);
}  // namespace assets
