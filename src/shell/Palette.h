#pragma once
// The classic sixteen-colour palette; the drawing area stores palette numbers, the screen wants RGB.
#include <array>
#include <cstdint>

namespace vl {

inline constexpr std::array<std::uint32_t, 16> kPalette = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                           0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                           0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

inline std::uint32_t PaletteRgb(int index) {
  return (index >= 0 && index < 16) ? kPalette[static_cast<std::size_t>(index)] : 0x000000;
}

namespace colour {
inline constexpr int kBlack = 0;
inline constexpr int kGrey = 8;
inline constexpr int kLightBlue = 9;
inline constexpr int kLightRed = 12;
}  // namespace colour

// Plain RGB values used by control declarations (text colours of labels and such).
namespace rgb {
inline constexpr std::int32_t kDefault = -1;
inline constexpr std::int32_t kBlue = 0x0000FF;
inline constexpr std::int32_t kRed = 0xFF0000;
inline constexpr std::int32_t kWhite = 0xFFFFFF;
inline constexpr std::int32_t kBlack = 0x000000;
}  // namespace rgb

}  // namespace vl
