#pragma once

#include <optional>

#include "core/calculator_state.h"

// What a pump can deliver at a pressure, from its rating: the rated flow at
// 150 psi net, 70 % of it at 200 psi and 50 % at 250 psi (the standard test
// points), with straight lines between them. Below 150 psi the pump gives
// its rated flow; beyond 250 psi it is not rated, and no flow is counted on.
namespace vardel {

struct PumpRating {
  double ratedFlow = 0;          // gpm or L/min at 150 psi net
  std::optional<double> intake;  // psi or kPa at the intake; none: 0
};

// The department's rating in the units in force, where it set the rated
// flow; none published.
std::optional<PumpRating> pumpRating(const CalculatorState& state);

struct TestPoint {
  double pressure;  // psi net
  double share;     // of the rated flow
};
inline constexpr TestPoint kTestPoints[] = {{150, 1.0}, {200, 0.7}, {250, 0.5}};

// A test point's net pressure in psi, or in kPa by the exact conversion.
double testPointPressure(const TestPoint& point, bool metric);

struct Capacity {
  double net = 0;      // the pump pressure less the intake pressure
  double share = 0;    // of the rated flow at `net`; 0 beyond the last test point
  double flow = 0;     // the flow the pump gives at `net`
  bool rated = false;  // `net` lies within the test points
};

// The capacity at `pumpPressure`, in psi and gpm or in kPa and L/min.
Capacity capacityAt(const PumpRating& rating, double pumpPressure, bool metric);

}  // namespace vardel
