#include "calc/lay_result.h"

#include <cmath>

#include "calc/appliance_losses.h"
#include "calc/lay_check.h"
#include "calc/result_text.h"
#include "calc/unit_text.h"
#include "core/number_text.h"

namespace vardel {
namespace {

// Works out one lay with its figures, noting whether a department's figure
// went in.
class Worker {
 public:
  explicit Worker(const LayFigures& figures) : f_(figures) {}

  Figure elevationFigure(const Elevation& e) {
    if (e.amount == 0) return {};
    if (e.unit == ElevationUnit::Height) return {f_.perHeight, false};
    department_ = department_ || f_.perFloor.department;
    return f_.perFloor;
  }

  // The hose with `flow` through it, its loss as the calculator's friction
  // loss takes flow and length: in hundreds.
  SegmentResult segment(const Segment& s, double flow) {
    SegmentResult r;
    r.flow = flow;
    r.coefficient = f_.coefficients[static_cast<std::size_t>(s.hose)];
    department_ = department_ || r.coefficient.department;
    r.loss = formula::layLoss(flow / 100, s.lines, r.coefficient.value, s.length / 100);
    r.elevationFigure = elevationFigure(s.rise);
    r.elevation = s.rise.amount * r.elevationFigure.value;
    return r;
  }

  // The nozzle at the end of `line` and the pressure it needs at the start
  // of that line: FL + NP + E, as the calculator's engine pressure adds them.
  NozzleResult nozzle(const Line& line) {
    NozzleResult r;
    const Nozzle& n = line.nozzle;
    if (n.kind == NozzleKind::Tip) {
      r.tip = formula::straightTipFlow(n.tip, n.pressure, formula::kTipFlow.in(f_.metric));
      r.flow = r.tip->result;
    } else {
      r.flow = n.flow;
    }
    r.hose = segment(line.hose, r.flow);
    r.atAppliance = formula::enginePressure(r.hose.loss.loss, n.pressure, r.hose.elevation);
    r.atPump = r.atAppliance;
    return r;
  }

  DischargeResult discharge(const Discharge& d) {
    DischargeResult r;
    if (d.appliance == Appliance::None) {
      r.nozzles.push_back(nozzle({d.hose, d.nozzle}));
      r.flow = r.nozzles.front().flow;
      r.atPump = r.nozzles.front().atPump;
      return r;
    }
    for (const Line& branch : d.branches) {
      r.nozzles.push_back(nozzle(branch));
      r.flow += r.nozzles.back().flow;
    }
    r.supply = segment(d.hose, r.flow);
    r.applianceRiseFigure = elevationFigure(d.applianceRise);
    r.applianceRise = d.applianceRise.amount * r.applianceRiseFigure.value;
    r.applianceLoss = applianceLoss(f_.appliances, d.appliance, r.flow);
    department_ = department_ || r.applianceLoss.department;
    for (std::size_t i = 0; i < r.nozzles.size(); ++i) {
      NozzleResult& n = r.nozzles[i];
      n.atPump = n.atAppliance + r.applianceLoss.value + r.supply.loss.loss + r.supply.elevation +
                 r.applianceRise;
      if (n.atPump > r.nozzles[r.highest].atPump) r.highest = i;
    }
    r.atPump = r.nozzles[r.highest].atPump;
    for (NozzleResult& n : r.nozzles)
      n.gatedAtAppliance = n.atAppliance < r.nozzles[r.highest].atAppliance;
    return r;
  }

  bool departmentUsed() const { return department_; }

 private:
  const LayFigures& f_;
  bool department_ = false;
};

}  // namespace

LayResult layResult(const Lay& lay, const LayFigures& figures) {
  LayResult r;
  r.problem = checkLay(lay);
  if (r.problem.empty() && lay.metric != figures.metric) {
    r.problem = "The lay and the figures are in different unit systems.";
  }
  if (!r.problem.empty()) return r;
  r.metric = lay.metric;
  Worker worker(figures);
  for (const Discharge& d : lay.discharges) {
    r.discharges.push_back(worker.discharge(d));
    r.totalFlow += r.discharges.back().flow;
    if (r.discharges.back().atPump > r.discharges[r.governing].atPump) {
      r.governing = r.discharges.size() - 1;
    }
  }
  r.discharges[r.governing].governs = true;
  r.pumpPressure = r.discharges[r.governing].atPump;
  if (!std::isfinite(r.pumpPressure) || !std::isfinite(r.totalFlow)) {
    LayResult refused;
    refused.problem = "The lay's pressures lie beyond any number the calculator can show.";
    return refused;
  }
  r.departmentUsed = worker.departmentUsed();
  r.overLimit = figures.pumpLimit && r.pumpPressure > *figures.pumpLimit;
  if (figures.rating) {
    r.capacity = capacityAt(*figures.rating, r.pumpPressure, r.metric);
    r.overCapacity = r.totalFlow > r.capacity->flow;
  }
  const UnitText& word = unit_words::kPressure;
  r.text = resultText(r.metric ? word.metric : word.english, r.pumpPressure);
  return r;
}

std::string roundedText(double value) { return formatPlain(roundHalfEven(value)); }

}  // namespace vardel
