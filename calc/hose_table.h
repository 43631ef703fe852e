#pragma once

#include <array>
#include <string_view>

namespace vardel {

// One hose-size key: what it shows, what it records and how the panel labels
// it. Both the logic and the panel read this table, so the fourteen keys
// cannot drift apart.
struct Hose {
  std::string_view keyName;         // design name of the key
  std::string_view caption;         // the key's caption: inch size and inch sign
  std::string_view englishDisplay;  // display text in English units
  std::string_view metricDisplay;   // display text in metric units
  std::string_view sizeText;        // strHoseSize: always the inch size
  double englishCoefficient;        // friction loss, psi per (100 gpm)^2 per 100 ft
  double metricCoefficient;         // friction loss, kPa per (100 lpm)^2 per 100 m
  std::string_view labelName;       // the metric label above the key
  std::string_view labelCaption;
};

inline constexpr std::array<Hose, 14> kHoses = {{
    {"cmdThreeQuartersInch", "3/4\"", "0.75", "20", "0.75", 1100, 1741, "lbl20mm", "20mm"},
    {"cmdOneInch", "1\"", "1", "25", "1", 150, 238, "lbl25mm", "25mm"},
    {"cmdOneAndAQuarterInch", "1 1/4\"", "1.25", "32", "1.25", 80, 127, "lbl32mm", "32mm"},
    {"cmdOneandHalfInch", "1 1/2\"", "1.50", "38", "1.5", 24, 38, "lbl38mm", "38mm"},
    {"cmdOneandThreeQuartersInch", "1 3/4\"", "1.75", "45", "1.75", 15.5, 24.6, "lbl45mm", "45mm"},
    {"cmdTwoInch", "2\"", "2", "50", "2", 8, 12.7, "lbl50mm", "50mm"},
    {"cmdTwoandAHalfInch", "2 1/2\"", "2.5", "65", "2.5", 2, 3.17, "lbl65mm", "65mm"},
    {"cmd3Times2andHalfInch", "3x2 1/2\"", "3 X 2.5", "77 X 65", "3 X 2.5", 0.8, 1.27, "lbl77X65mm",
     "77 X 65mm"},
    {"cmdThreeInch", "3\"", "3", "77", "3", 0.677, 1.06, "lbl77mm", "77mm"},
    {"cmdThreeAndAHalfInch", "3 1/2\"", "3.5", "90", "3.5", 0.34, 0.53, "lbl90mm", "90mm"},
    {"cmdFourInch", "4\"", "4", "100", "4", 0.2, 0.305, "lbl100mm", "100mm"},
    {"cmdFourandHalfInch", " 4 1/2\"", "4.5", "115", "4.5", 0.1, 0.167, "lbl115mm", "115mm"},
    {"cmdFiveInch", "5\"", "5", "125", "5", 0.08, 0.138, "lbl125mm", "125mm"},
    {"cmdSixInch", "6\"", "6", "150", "6", 0.05, 0.083, "lbl150mm", "150mm"},
}};

}  // namespace vardel
