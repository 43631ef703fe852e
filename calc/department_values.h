#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/hose_table.h"

// A department's own figures: a friction-loss coefficient for any hose key
// (from its own flow tests), the elevation pressure per floor, a pump
// pressure limit, named engine-pressure lines, and how far a practice
// answer may be off. Where a figure is not
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

struct DepartmentValues {
  std::string name{};  // shown in the window title, the working and the pump chart
  bool inForce = true;
  std::array<UnitPair, kHoses.size()> hoses{};  // by row of the hose table
  UnitPair perFloor{};
  UnitPair pumpLimit{};
  std::vector<SavedLine> lines{};
  UnitPair practiceTolerance{};  // how far a practice answer of a pressure may be off

  bool operator==(const DepartmentValues&) const = default;
};

}  // namespace vardel
