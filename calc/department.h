#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/hose_table.h"
#include "core/calculator_state.h"

// A department's own figures: a friction-loss coefficient for any hose key
// (from its own flow tests), the elevation pressure per floor, a pump
// pressure limit, and named engine-pressure lines. Where a figure is not
// set, the published one stands; with the values out of force, every figure
// is the published one and the calculator works exactly as designed.
namespace vardel {

// A figure in each unit system; empty where the department set none. Set
// through the dialogs, the second system follows the first by the exact
// conversion unless the user gives it too.
struct UnitPair {
  std::optional<double> english, metric;

  std::optional<double> in(bool metricUnits) const { return metricUnits ? metric : english; }
  bool isSet() const { return english.has_value() || metric.has_value(); }
  bool operator==(const UnitPair&) const = default;
};

// An engine-pressure lay kept under a name: each input as it was keyed
// (nothing keyed at SIAMESE is "1", at FLOORS "0"), in the unit system it was
// keyed in, and the hose by its row in the hose table.
struct SavedLine {
  std::string name;
  bool metric = false;
  std::string nozzlePressure, flow;
  std::int16_t hose = 0;
  std::string lines, length, floors;

  bool operator==(const SavedLine&) const = default;
};

struct DepartmentValues {
  std::string name{};  // shown in the window title, the working and the pump chart
  bool inForce = true;
  std::array<UnitPair, kHoses.size()> hoses{};  // by row of the hose table
  UnitPair perFloor{};
  UnitPair pumpLimit{};
  std::vector<SavedLine> lines{};

  bool operator==(const DepartmentValues&) const = default;
};

// Exact conversions between the unit systems: psi and kPa, and a friction
// coefficient in psi per (100 gpm)^2 per 100 ft and in kPa per (100 L/min)^2
// per 100 m (one metric unit is about 1.5786 English ones).
namespace conversion {
inline constexpr double kKilopascalsPerPsi =
    6.894757293168361;  // 0.45359237 kg x 9.80665 / 0.0254^2
inline constexpr double kLitresPerGallon = 3.785411784;
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kCoefficient =
    kKilopascalsPerPsi / (kLitresPerGallon * kLitresPerGallon * kMetresPerFoot);
double coefficient(double value, bool toMetric);
double pressure(double value, bool toMetric);
}  // namespace conversion

// The bounds of what a department may set; a figure outside them is refused
// with a message that says why. Each takes the figure in the unit system
// named by `metric`.
namespace bounds {
inline constexpr double kCoefficientFactor = 5;        // within 1/5 to 5 times the published figure
inline constexpr double kPerFloorEnglish[] = {2, 10};  // psi
inline constexpr double kPerFloorMetric[] = {14, 69};  // kPa
inline constexpr double kPumpLimitEnglish[] = {50, 600};   // psi
inline constexpr double kPumpLimitMetric[] = {350, 4150};  // kPa
inline constexpr std::size_t kNameLength = 40;             // characters (UTF-8 code points)
inline constexpr std::size_t kMostLines = 100;
}  // namespace bounds

// Why each figure cannot be taken, or an empty text when it can.
std::string checkCoefficient(std::int16_t hose, bool metric, double value);
std::string checkPerFloor(bool metric, double value);
std::string checkPumpLimit(bool metric, double value);
std::string checkName(std::string_view name, std::string_view what);
// The whole record: every figure within its bounds, names unique, and every
// line computing when it is recalled.
std::string checkValues(const DepartmentValues& values);

// A flow test of one lay: the total flow through `lines` siamesed lines of
// `length`, the pressures read at the pump end and at the far end, and the
// rise of the far end above the pump (negative when it lies lower).
struct FlowTest {
  bool metric = false;
  double flow = 0, lines = 1, length = 0;
  double startPressure = 0, endPressure = 0, rise = 0;
};

struct FlowTestResult {
  double loss = 0;         // friction loss of the lay: start - end - rise x weight of water
  double coefficient = 0;  // loss / ((flow / 100 / lines)^2 x length / 100)
  std::string problem;     // why the test gives no coefficient; empty when it does
};

// Pressure of a column of water, per foot in psi and per metre in kPa.
inline constexpr double kWaterPsiPerFoot =
    9.80665 * conversion::kMetresPerFoot / conversion::kKilopascalsPerPsi;  // about 0.4335
inline constexpr double kWaterKilopascalsPerMetre = 9.80665;

FlowTestResult workOutCoefficient(const FlowTest& test, std::int16_t hose);

// The name of a hose key in texts: its caption, 1 3/4" for example.
std::string hoseName(std::int16_t hose);

// What the panel shows beside a result that a department's figures went
// into ("DEPT"), and beside an engine pressure above the department's pump
// limit ("OVER LIMIT"), and what a screen reader says of it. Both are empty
// while no such result is on the display, and always in standard mode.
struct ResultMark {
  std::string shown, spoken;
};
ResultMark resultMark(const CalculatorState& state);

// The main window's title: empty as designed, or while a department's
// values are in force, "Department values: " and their name.
std::string windowTitle(const CalculatorState& state);

}  // namespace vardel
