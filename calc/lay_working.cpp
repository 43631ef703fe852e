#include "calc/lay_working.h"

#include <iterator>
#include <optional>

#include "calc/hose_table.h"
#include "calc/lay_check.h"
#include "calc/result_text.h"
#include "calc/unit_text.h"
#include "core/number_text.h"

namespace vardel {
namespace {

// Whether 15 significant digits would show `value` as rounding to another
// whole number than it does: a value a hair beside a half.
bool needsEveryDigit(double value) {
  const std::optional<double> back = readStrict(formatPlain(value));
  return !back || roundHalfEven(*back) != roundHalfEven(value);
}

bool anyNeedsEveryDigit(const LayResult& r) {
  for (const DischargeResult& d : r.discharges) {
    if (needsEveryDigit(d.atPump)) return true;
    for (const NozzleResult& n : d.nozzles) {
      if (n.gatedAtAppliance && needsEveryDigit(n.atAppliance)) return true;
    }
  }
  return false;
}

class Writer {
 public:
  Writer(const Lay& lay, const LayFigures& f, const LayResult& r)
      : lay_(lay), f_(f), r_(r), u_(unitNames(lay.metric)), everyDigit_(anyNeedsEveryDigit(r)) {}

  std::vector<std::string> write() {
    heading();
    for (std::size_t i = 0; i < lay_.discharges.size(); ++i) discharge(i);
    totalFlow();
    gates();
    capacity();
    const DischargeResult& g = r_.discharges[r_.governing];
    add("Pump pressure = the highest, " + label(r_.governing, g, g.highest) + " = " + n(g.atPump) +
        " " + std::string(u_.pressure) + " → " + r_.text);
    return std::move(out_);
  }

 private:
  // A number: 15 significant digits, or every digit where those would not
  // explain a rounding shown.
  std::string n(double value) const {
    return everyDigit_ ? formatExact(value) : formatPlain(value);
  }
  std::string pressure(double value) const { return n(value) + " " + std::string(u_.pressure); }
  std::string source(const Figure& figure) const {
    return figure.department ? "department value, " + f_.departmentName : "published";
  }
  void add(std::string line) { out_.push_back(std::move(line)); }

  // "A" for a line, "A2" for a branch.
  std::string label(std::size_t discharge, const DischargeResult& d, std::size_t nozzle = 0) const {
    const std::string name = dischargeName(discharge);
    return d.nozzles.size() == 1 && lay_.discharges[discharge].appliance == Appliance::None
               ? name
               : name + std::to_string(nozzle + 1);
  }

  void heading() {
    std::string line = (lay_.name.empty() ? std::string("Lay") : "Lay " + lay_.name) + ", " +
                       std::string(u_.system);
    if (r_.overLimit) {
      line += "; above the pump pressure limit of " + pressure(*f_.pumpLimit) + " (" +
              source({0, true}) + ")";
    }
    add(line);
  }

  std::string hose(const Segment& s, const Figure& c) const {
    return n(s.length) + " " + std::string(u_.length) + " of " + hoseName(s.hose) + " (C " +
           n(c.value) + ", " + source(c) + "), " + n(s.lines) + (s.lines == 1 ? " line" : " lines");
  }

  std::string nozzleText(const Nozzle& z) const {
    if (z.kind == NozzleKind::Tip) {
      return "straight tip " + n(z.tip) + " " + std::string(u_.diameter) + " at " +
             pressure(z.pressure);
    }
    return "fog nozzle " + n(z.flow) + " " + std::string(u_.flow) + " at " + pressure(z.pressure);
  }

  // The flow of a smooth-bore tip, by the formula of FLOW RATE.
  void tipFlow(const std::string& at, const Nozzle& z, const NozzleResult& r) {
    if (!r.tip) return;
    const double c = formula::kTipFlow.in(lay_.metric);
    add(at + ": Q = d² × " + n(c) + " × √P = " + n(z.tip) + "² × " + n(c) + " × √" + n(z.pressure) +
        " = " + n(r.tip->dSquared) + " × " + n(c) + " × " + n(r.tip->root) + " = " + n(r.flow) +
        " " + std::string(u_.flow));
  }

  // The friction loss of a segment, as the calculator's friction loss works
  // it: with the flow per line where the flow is split.
  void loss(const std::string& at, const Segment& s, const SegmentResult& r) {
    const formula::LayLoss& t = r.loss;
    std::string line;
    if (s.lines == 1) {
      line = at + ": FL = (Q/100)² × C × L/100 = " + n(r.flow / 100) + "² × ";
    } else {
      add(at + ": q = Q/100 ÷ lines = " + n(r.flow / 100) + " ÷ " + n(s.lines) + " = " + n(t.q) +
          " per line");
      line = at + ": FL = q² × C × L/100 = " + n(t.q) + "² × ";
    }
    const std::string c = n(r.coefficient.value), length = n(s.length / 100);
    add(line + c + " × " + length + " = " + n(t.qSquared) + " × " + c + " × " + length + " = " +
        pressure(t.loss));
  }

  void elevation(const std::string& at, const Elevation& e, const Figure& figure, double value) {
    if (e.amount == 0) return;
    const std::string per =
        e.unit == ElevationUnit::Floors
            ? " floors × " + pressure(figure.value) + " per floor (" + source(figure) + ")"
            : " " + std::string(u_.length) + " × " + pressure(figure.value) + " per " +
                  std::string(u_.length);
    add(at + ": E = " + n(e.amount) + per + " = " + pressure(value));
  }

  void line(std::size_t index) {
    const Discharge& d = lay_.discharges[index];
    const DischargeResult& r = r_.discharges[index];
    const NozzleResult& z = r.nozzles.front();
    const std::string at = dischargeName(index);
    add(at + ": " + hose(d.hose, z.hose.coefficient) + "; " + nozzleText(d.nozzle));
    tipFlow(at, d.nozzle, z);
    loss(at, d.hose, z.hose);
    elevation(at, d.hose.rise, z.hose.elevationFigure, z.hose.elevation);
    add(at + ": at the pump = FL + NP + E = " + n(z.hose.loss.loss) + " + " + n(d.nozzle.pressure) +
        " + " + n(z.hose.elevation) + " = " + pressure(z.atPump));
  }

  void appliance(std::size_t index) {
    const Discharge& d = lay_.discharges[index];
    const DischargeResult& r = r_.discharges[index];
    const std::string at = dischargeName(index), name = applianceName(d.appliance);
    add(at + ": " + hose(d.hose, r.supply.coefficient) + " to a " + name + "; " +
        std::to_string(d.branches.size()) + (d.branches.size() == 1 ? " branch" : " branches"));
    std::string flows;
    for (std::size_t i = 0; i < d.branches.size(); ++i) {
      const Line& b = d.branches[i];
      const NozzleResult& z = r.nozzles[i];
      const std::string branch = label(index, r, i);
      add(branch + ": " + hose(b.hose, z.hose.coefficient) + "; " + nozzleText(b.nozzle));
      tipFlow(branch, b.nozzle, z);
      loss(branch, b.hose, z.hose);
      elevation(branch, b.hose.rise, z.hose.elevationFigure, z.hose.elevation);
      add(branch + ": at the " + name + " = FL + NP + E = " + n(z.hose.loss.loss) + " + " +
          n(b.nozzle.pressure) + " + " + n(z.hose.elevation) + " = " + pressure(z.atAppliance));
      flows += (i == 0 ? "" : " + ") + n(z.flow);
    }
    const std::string supply = at + " supply";
    add(supply + ": Q = " + (d.branches.size() == 1 ? "" : flows + " = ") + n(r.flow) + " " +
        std::string(u_.flow));
    loss(supply, d.hose, r.supply);
    elevation(supply, d.hose.rise, r.supply.elevationFigure, r.supply.elevation);
    elevation(at + " " + name, d.applianceRise, r.applianceRiseFigure, r.applianceRise);
    applianceLoss(at + " " + name, d.appliance, r);
    for (std::size_t i = 0; i < d.branches.size(); ++i) {
      const NozzleResult& z = r.nozzles[i];
      add(label(index, r, i) + ": at the pump = at the " + name +
          " + AL + FL supply + E supply + E " + name + " = " + n(z.atAppliance) + " + " +
          n(r.applianceLoss.value) + " + " + n(r.supply.loss.loss) + " + " + n(r.supply.elevation) +
          " + " + n(r.applianceRise) + " = " + pressure(z.atPump));
    }
  }

  void applianceLoss(const std::string& at, Appliance a, const DischargeResult& r) {
    const ApplianceLosses& t = f_.appliances;
    std::string why;
    if (a == Appliance::Wye || a == Appliance::Siamese) {
      why = (r.flow < t.threshold.value ? "below " : "at or above ") + n(t.threshold.value) + " " +
            std::string(u_.flow) + " (" + source(t.threshold) + ")";
    } else {
      why = "at any flow";
    }
    add(at + ": AL = " + pressure(r.applianceLoss.value) + ", " + why +
        (r.applianceLoss.value != 0 ? " (" + source(r.applianceLoss) + ")" : ""));
  }

  void discharge(std::size_t index) {
    if (lay_.discharges[index].appliance == Appliance::None) {
      line(index);
    } else {
      appliance(index);
    }
  }

  void totalFlow() {
    if (r_.discharges.size() == 1) return;
    std::string flows;
    for (const DischargeResult& d : r_.discharges)
      flows += (flows.empty() ? "" : " + ") + n(d.flow);
    add("Total flow = " + flows + " = " + n(r_.totalFlow) + " " + std::string(u_.flow));
  }

  void gates() {
    for (std::size_t i = 0; i < r_.discharges.size(); ++i) {
      const DischargeResult& d = r_.discharges[i];
      const std::string name = applianceName(lay_.discharges[i].appliance);
      for (std::size_t k = 0; k < d.nozzles.size(); ++k) {
        const NozzleResult& z = d.nozzles[k];
        if (!z.gatedAtAppliance) continue;
        add("Gate " + label(i, d, k) + " at the " + name + " to " + pressure(z.atAppliance) +
            " → " + roundedText(z.atAppliance));
      }
      if (!d.governs) {
        add("Gate " + dischargeName(i) + " at the pump to " + pressure(d.atPump) + " → " +
            roundedText(d.atPump));
      }
    }
  }

  void capacity() {
    if (!r_.capacity) return;
    const Capacity& c = *r_.capacity;
    const PumpRating& rating = *f_.rating;
    const auto net = [this](const TestPoint& p) {
      return pressure(testPointPressure(p, lay_.metric)) + " net";
    };
    std::string line = "Capacity: rated " + n(rating.ratedFlow) + " " + std::string(u_.flow) +
                       " at " + net(kTestPoints[0]) + "; net pressure = " + n(r_.pumpPressure) +
                       " − " + n(rating.intake.value_or(0)) + " = " + pressure(c.net);
    if (c.rated) {
      line += "; " + n(c.share * 100) + " % = " + n(c.flow) + " " + std::string(u_.flow);
    } else {
      line += "; above " + net(*std::rbegin(kTestPoints)) + ", the last rated test point";
    }
    add(line + (r_.overCapacity ? ": the total flow is above it, OVER CAPACITY"
                                : ": the total flow is within it"));
  }

  const Lay& lay_;
  const LayFigures& f_;
  const LayResult& r_;
  const UnitNames& u_;
  bool everyDigit_;
  std::vector<std::string> out_;
};

}  // namespace

std::string applianceName(Appliance appliance) {
  // In the order of the enumeration.
  static constexpr const char* kNames[] = {"line", "wye", "siamese or manifold", "standpipe",
                                           "master-stream device"};
  const auto at = static_cast<std::size_t>(appliance);
  return at < std::size(kNames) ? kNames[at] : "";
}

std::vector<std::string> layWorking(const Lay& lay, const LayFigures& figures,
                                    const LayResult& result) {
  if (!result.problem.empty() || result.discharges.size() != lay.discharges.size()) return {};
  return Writer(lay, figures, result).write();
}

}  // namespace vardel
