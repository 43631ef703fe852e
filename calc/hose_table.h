#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vardel {

// One hose-size key as the logic sees it: what it shows and records, and
// the key's caption, by which the engine's texts (the working of a result,
// the department's messages) name the hose. The panel's key and label names
// for the same fourteen keys are in panel/hose_keys.h, row for row.
struct Hose {
  std::string_view caption;         // the inch size and the inch sign, as the key shows it
  std::string_view englishDisplay;  // display text in English units
  std::string_view metricDisplay;   // display text in metric units
  std::string_view sizeText;        // strHoseSize: always the inch size
  double englishCoefficient;        // friction loss, psi per (100 gpm)^2 per 100 ft
  double metricCoefficient;         // friction loss, kPa per (100 lpm)^2 per 100 m
};

inline constexpr std::array<Hose, 14> kHoses = {{
    {"3/4\"", "0.75", "20", "0.75", 1100, 1741},
    {"1\"", "1", "25", "1", 150, 238},
    {"1 1/4\"", "1.25", "32", "1.25", 80, 127},
    {"1 1/2\"", "1.50", "38", "1.5", 24, 38},
    {"1 3/4\"", "1.75", "45", "1.75", 15.5, 24.6},
    {"2\"", "2", "50", "2", 8, 12.7},
    {"2 1/2\"", "2.5", "65", "2.5", 2, 3.17},
    {"3x2 1/2\"", "3 X 2.5", "77 X 65", "3 X 2.5", 0.8, 1.27},
    {"3\"", "3", "77", "3", 0.677, 1.06},
    {"3 1/2\"", "3.5", "90", "3.5", 0.34, 0.53},
    {"4\"", "4", "100", "4", 0.2, 0.305},
    {" 4 1/2\"", "4.5", "115", "4.5", 0.1, 0.167},
    {"5\"", "5", "125", "5", 0.08, 0.138},
    {"6\"", "6", "150", "6", 0.05, 0.083},
}};

// Whether `row` is a row of the table.
bool isHoseRow(std::int16_t row);

// The name of a hose key in texts: its caption, 1 3/4" for example; empty
// for no row of the table.
std::string hoseName(std::int16_t row);

}  // namespace vardel
