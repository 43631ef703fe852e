#pragma once

#include <cstdint>
#include <string_view>

#include "ui/panel_layout.h"

namespace vardel::ui::about {

// The About box as designed, in twips: what both the Qt box and the web
// panel's box show. Every control uses the window's default font.

inline constexpr int kClientWidthTwips = 5730;
inline constexpr int kClientHeightTwips = 3555;

inline constexpr TwipsRect kIcon{360, 240, 480, 480};  // the 32 x 32 icon at its own size
inline constexpr TwipsRect kTitle{1050, 240, 3885, 480};
inline constexpr TwipsRect kVersion{1050, 780, 3885, 225};
inline constexpr TwipsRect kDescriptionPlace{1050, 1125, 3885, 1170};
inline constexpr TwipsRect kDisclaimerPlace{255, 2625, 3870, 825};
inline constexpr TwipsRect kOK{4245, 3000, 1260, 345};

// The etched rule between description and warning: a grey line one pixel
// high over a white one two pixels high, 15 twips lower.
struct Rule {
  TwipsLine line;
  int thickness = 1;  // in pixels
  std::uint32_t rgb = 0;
};
inline constexpr Rule kGreyRule{{90, 2445, 5654, 2445}, 1, 0x808080};
inline constexpr Rule kWhiteRule{{105, 2460, 5654, 2460}, 2, 0xFFFFFF};

inline constexpr std::string_view kDescription =
    "The Vardel is programmed to provide answers to typical fireground situations under normal "
    "and reasonable conditions. The calculator was designed to provide advanced prompting "
    "programs and basic mathematical functions as well.";
inline constexpr std::string_view kDisclaimer = "Warning: ...";
inline constexpr std::string_view kTitlePrefix = "About ";
inline constexpr std::string_view kVersionPrefix = "Version ";
inline constexpr std::string_view kOKCaption = "OK";

}  // namespace vardel::ui::about
