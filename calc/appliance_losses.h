#pragma once

#include "calc/figures.h"
#include "calc/lay.h"

// The pressure lost in an appliance between its supply and its branches, in
// one unit system. The published figures are the driver/operator courses'
// rule of thumb; a department that has measured its own may set them.
namespace vardel {

struct ApplianceLosses {
  Figure threshold;     // gpm or L/min through a wye from which it loses `manifold`; 0 below
  Figure manifold;      // psi or kPa: a wye, siamese or manifold at `threshold` or more
  Figure standpipe;     // a standpipe system, at any flow
  Figure masterStream;  // a master-stream device, at any flow
};

// 350 gpm, 10 psi, 25 psi and 25 psi; in metric units the same by the exact
// conversions (about 1325 L/min, 69, 172 and 172 kPa).
ApplianceLosses publishedApplianceLosses(bool metric);

// The figures in force for the units in force: the department's where its
// values are in force and it set them, else the published ones.
ApplianceLosses applianceLosses(const CalculatorState& state);

// The loss in `appliance` with `flow` through it, and whether the figure
// that decided it is the department's; 0 for a line.
Figure applianceLoss(const ApplianceLosses& losses, Appliance appliance, double flow);

}  // namespace vardel
