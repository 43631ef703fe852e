#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/hose_table.h"
#include "calc/lay.h"

// A department's own figures: a friction-loss coefficient for any hose key
// (from its own flow tests), the elevation pressure per floor, a pump
// pressure limit, the losses in its appliances and its pump's rating, named
// engine-pressure lines and named lays of several lines, and how far a
// practice answer may be off. Where a figure is not
// set, the published one stands; with the values out of force, every figure
// is the published one and the calculator works exactly as designed. The
// record only: its rules, its file and its store are department/'s.
namespace vardel {

// A figure in each unit system; empty where the department set none. Set
// through the boxes, the second system follows the first by the exact
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

// Where the values a device works from came from: its own file, or the
// department's issued file (the system's on a PC, the site's in a browser).
// The store says; the file does not hold it.
enum class Origin : std::uint8_t { ThisDevice, Issued };

struct DepartmentValues {
  std::string name{};    // shown in the window title, the working and the pump chart
  std::string issued{};  // the day the values were issued, "2026-12-01"; empty for none
  bool inForce = true;
  std::array<UnitPair, kHoses.size()> hoses{};  // by row of the hose table
  UnitPair perFloor{};
  UnitPair pumpLimit{};
  std::vector<SavedLine> lines{};
  // The appliance losses of calc/appliance_losses.h: from `wyeFrom` through
  // a wye, siamese or manifold it loses `wyeLoss`; a standpipe system and a
  // master-stream device lose theirs at any flow.
  UnitPair wyeFrom{};  // gpm and L/min
  UnitPair wyeLoss{};  // psi and kPa, like the two below
  UnitPair standpipeLoss{};
  UnitPair masterStreamLoss{};
  // The pump's rated flow at 150 psi net, and the pressure at its intake.
  UnitPair ratedFlow{};  // gpm and L/min
  UnitPair intake{};     // psi and kPa
  std::vector<Lay> lays{};
  UnitPair practiceTolerance{};  // how far a practice answer of a pressure may be off
  Origin origin = Origin::ThisDevice;

  bool operator==(const DepartmentValues&) const = default;
};

// Where the values came from, as the working, the chart and the values box
// name it: "issued 2026-12-01", "issued" without a date, or "this device".
inline std::string originText(const DepartmentValues& values) {
  if (values.origin == Origin::ThisDevice) return "this device";
  return values.issued.empty() ? "issued" : "issued " + values.issued;
}

}  // namespace vardel
