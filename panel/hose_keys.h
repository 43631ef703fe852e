#pragma once

#include <array>
#include <string_view>

#include "calc/hose_table.h"

namespace vardel::panel {

// How the panel names and labels the hose key kHoses[index]: the key's
// design name, and the metric label above it. Its caption is the logic's.
struct HoseKey {
  std::string_view keyName;
  std::string_view labelName;
  std::string_view labelCaption;
};

inline constexpr std::array<HoseKey, 14> kHoseKeys = {{
    {"cmdThreeQuartersInch", "lbl20mm", "20mm"},
    {"cmdOneInch", "lbl25mm", "25mm"},
    {"cmdOneAndAQuarterInch", "lbl32mm", "32mm"},
    {"cmdOneandHalfInch", "lbl38mm", "38mm"},
    {"cmdOneandThreeQuartersInch", "lbl45mm", "45mm"},
    {"cmdTwoInch", "lbl50mm", "50mm"},
    {"cmdTwoandAHalfInch", "lbl65mm", "65mm"},
    {"cmd3Times2andHalfInch", "lbl77X65mm", "77 X 65mm"},
    {"cmdThreeInch", "lbl77mm", "77mm"},
    {"cmdThreeAndAHalfInch", "lbl90mm", "90mm"},
    {"cmdFourInch", "lbl100mm", "100mm"},
    {"cmdFourandHalfInch", "lbl115mm", "115mm"},
    {"cmdFiveInch", "lbl125mm", "125mm"},
    {"cmdSixInch", "lbl150mm", "150mm"},
}};
static_assert(kHoseKeys.size() == kHoses.size(), "one key for every hose of the logic's table");

}  // namespace vardel::panel
