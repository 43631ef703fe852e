#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/figures.h"
#include "calc/formula_terms.h"
#include "calc/lay.h"
#include "calc/lay_figures.h"
#include "calc/pump_capacity.h"

// A lay worked out: the flow of every nozzle and the pressure it needs at
// the pump, term by term; the governing line, which sets the pump pressure,
// and the pressure to gate every other discharge to. Pressures are in psi
// or kPa, flows in gpm or L/min, as the lay's unit system.
namespace vardel {

// One length of hose with the flow it carries, the sum of the flows beyond it.
struct SegmentResult {
  double flow = 0;
  Figure coefficient{};
  formula::LayLoss loss{};   // of the flow and length in hundreds, as the calculator takes them
  Figure elevationFigure{};  // per floor, or per ft or m
  double elevation = 0;      // the pressure of its rise; below 0 for a fall
};

struct NozzleResult {
  double flow = 0;
  std::optional<formula::StraightTip> tip;  // how a smooth-bore tip's flow came about
  SegmentResult hose{};                     // the line's own hose, or the branch's
  double atAppliance = 0;                   // behind an appliance: its pressure there (FL + NP + E)
  double atPump = 0;                        // the pressure it needs at the pump
  bool gatedAtAppliance = false;  // a lower branch, gated at the appliance to `atAppliance`
};

struct DischargeResult {
  std::vector<NozzleResult> nozzles;  // a line's one nozzle, or the branches in order
  SegmentResult supply{};             // from the pump to the appliance
  Figure applianceRiseFigure{};
  double applianceRise = 0;  // the pressure of the appliance's own rise
  Figure applianceLoss{};
  double flow = 0;
  std::size_t highest = 0;  // the nozzle that needs the most pressure
  double atPump = 0;        // what that nozzle needs: the discharge is gated to it
  bool governs = false;     // it sets the pump pressure
};

struct LayResult {
  std::string problem;  // why the lay gives no result; then nothing else is set
  bool metric = false;
  std::vector<DischargeResult> discharges;
  std::size_t governing = 0;
  double pumpPressure = 0;
  double totalFlow = 0;
  bool departmentUsed = false;       // a department's figure went into a pressure
  bool overLimit = false;            // the pump pressure lies above the department's limit
  std::optional<Capacity> capacity;  // where the pump's rating is known
  bool overCapacity = false;         // the total flow lies above it
  std::string text;                  // the display's text: "PSI 188"
};

LayResult layResult(const Lay& lay, const LayFigures& figures);

// A figure as the display rounds a result, without a unit word: "85".
std::string roundedText(double value);

}  // namespace vardel
