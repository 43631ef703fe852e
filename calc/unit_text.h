#pragma once

#include <string_view>

#include "core/calculator_state.h"

namespace vardel {

// A text worded once for English and once for metric units. Which wording is
// shown is decided by the unit system at the moment the text is shown.
struct UnitText {
  std::string_view english;
  std::string_view metric;

  std::string_view in(const CalculatorState& state) const {
    return isEnglish(state) ? english : metric;
  }
  bool operator==(const UnitText&) const = default;
};

// The prompts of the guided calculations, exact as the display shows them.
namespace prompts {
inline constexpr UnitText kNozzlePressure{"Nozzle PSI", "Nozzle kPa"};
inline constexpr UnitText kTipDiameter{"TIP in", "TIP mm"};
inline constexpr UnitText kRatedFlow{"Rated GPM", "Rated LPM"};
inline constexpr UnitText kRatedPressure{"Rated PSI", "Rated kPa"};
inline constexpr UnitText kFlow{"FLOW GPM", "FLOW LPM"};
inline constexpr UnitText kLength{"Length ft", "Length m"};
inline constexpr UnitText kWidth{"Width ft", "Width m"};
inline constexpr UnitText kHoseSize{"HOSE SIZE", "HOSE SIZE"};
inline constexpr UnitText kReviewHoseSize{"Hose Size", "Hose Size"};  // in a review
inline constexpr UnitText kSiamese{"SIAMESE", "SIAMESE"};
inline constexpr UnitText kFloors{"FLOORS", "FLOORS"};
}  // namespace prompts

// The words that stand in front of a result; each ends in one blank.
namespace unit_words {
inline constexpr UnitText kFlow{"GPM ", "LPM "};
inline constexpr UnitText kForce{"Lbs ", "Newtons "};
inline constexpr UnitText kPressure{"PSI ", "kPa "};
}  // namespace unit_words

// The names of one unit system's units, as the engine's texts (the working,
// the pump chart, the department's messages and boxes) write them.
struct UnitNames {
  std::string_view system;     // "English units"
  std::string_view adjective;  // "English", "metric"
  std::string_view choice;     // the system as a list offers it: "English", "Metric"
  std::string_view pressure, flow, length, diameter, force;
};
inline constexpr UnitNames kEnglishNames{"English units", "English", "English", "psi",
                                         "gpm",           "ft",      "in",      "lb"};
inline constexpr UnitNames kMetricNames{"metric units", "metric", "Metric", "kPa",
                                        "L/min",        "m",      "mm",     "N"};
constexpr const UnitNames& unitNames(bool metric) { return metric ? kMetricNames : kEnglishNames; }

// What a guided calculation shows when it gives up.
inline constexpr std::string_view kErrorText = "ERROR";

}  // namespace vardel
