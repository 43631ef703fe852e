#pragma once

#include <cstdint>

// The panel's colours as RGB triples. Both front ends draw with these: the
// Qt window directly, the web page through the style sheet and the manifest
// that its build writes from them.
namespace vardel::panel::colours {

inline constexpr std::uint32_t kLightBlue = 0xC0C0FF;    // keypad, function and clear keys
inline constexpr std::uint32_t kLightYellow = 0xFFFF80;  // OFF, Enter and the hidden ON
inline constexpr std::uint32_t kWhite = 0xFFFFFF;        // hose keys, the display
inline constexpr std::uint32_t kBlack = 0x000000;        // every text

// A key's edges: a dark outline around a one-pixel bevel, light above and
// left, shadow below and right. A disabled key's caption is the shadow grey.
inline constexpr std::uint32_t kOutline = 0x404040;
inline constexpr std::uint32_t kBevelLight = 0xFFFFFF;
inline constexpr std::uint32_t kBevelShadow = 0x808080;

// The control face behind everything. The desktop window takes the system's;
// the web page, which has none, uses this one.
inline constexpr std::uint32_t kControlFace = 0xEFEFEF;

}  // namespace vardel::panel::colours
