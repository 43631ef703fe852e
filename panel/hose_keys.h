#pragma once

#include <array>
#include <string_view>

#include "calc/hose_table.h"

namespace vardel::panel {

// How the panel names and labels the hose key kHoses[index]: the key's
// design name and caption (the inch size), and the metric label above it.
struct HoseKey {
  std::string_view keyName;
  std::string_view caption;
  std::string_view labelName;
  std::string_view labelCaption;
};

inline constexpr std::array<HoseKey, 14> kHoseKeys = {{
    {"cmdThreeQuartersInch", "3/4\"", "lbl20mm", "20mm"},
    {"cmdOneInch", "1\"", "lbl25mm", "25mm"},
    {"cmdOneAndAQuarterInch", "1 1/4\"", "lbl32mm", "32mm"},
    {"cmdOneandHalfInch", "1 1/2\"", "lbl38mm", "38mm"},
    {"cmdOneandThreeQuartersInch", "1 3/4\"", "lbl45mm", "45mm"},
    {"cmdTwoInch", "2\"", "lbl50mm", "50mm"},
    {"cmdTwoandAHalfInch", "2 1/2\"", "lbl65mm", "65mm"},
    {"cmd3Times2andHalfInch", "3x2 1/2\"", "lbl77X65mm", "77 X 65mm"},
    {"cmdThreeInch", "3\"", "lbl77mm", "77mm"},
    {"cmdThreeAndAHalfInch", "3 1/2\"", "lbl90mm", "90mm"},
    {"cmdFourInch", "4\"", "lbl100mm", "100mm"},
    {"cmdFourandHalfInch", " 4 1/2\"", "lbl115mm", "115mm"},
    {"cmdFiveInch", "5\"", "lbl125mm", "125mm"},
    {"cmdSixInch", "6\"", "lbl150mm", "150mm"},
}};
static_assert(kHoseKeys.size() == kHoses.size(), "one key for every hose of the logic's table");

}  // namespace vardel::panel
