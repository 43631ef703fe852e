#include "calc/working.h"

#include <array>
#include <optional>
#include <string_view>

#include "calc/formula_terms.h"
#include "calc/hose_table.h"
#include "calc/result_text.h"
#include "calc/sequences.h"
#include "calc/unit_text.h"
#include "core/number_text.h"

namespace vardel {
namespace {

// Whether 15 significant digits, as the display writes numbers, would show
// a result as rounding to another whole number than it does: a value a
// hair beside a half.
bool needsEveryDigit(double result) {
  const std::optional<double> back = readStrict(formatPlain(result));
  return !back || roundHalfEven(*back) != roundHalfEven(result);
}

// Writes one calculation's working from the state that holds its result.
class Writer {
 public:
  Writer(const CalculatorState& s, double result)
      : w_(s.working), u_(unitNames(w_.resultInMetric)), everyDigit_(needsEveryDigit(result)) {}

  // A number of the working: 15 significant digits, or every digit where
  // those would not explain the rounding of the result.
  std::string n(double value) const {
    return everyDigit_ ? formatExact(value) : formatPlain(value);
  }

  // As keyed: the value of input `index` and its unit.
  std::string input(std::size_t index, std::string_view unit) const {
    return w_.inputTexts[index] + " " + std::string(unit);
  }

  std::string coefficient(double c) const {
    return "hose " + hoseName(w_.hoseTaken) + " (C " + n(c) + ", " +
           source(w_.coefficientIsDepartments) + ")";
  }

  std::string source(bool department) const {
    return department ? "department value, " + w_.departmentName : "published";
  }

  std::string lines(double count) const { return n(count) + (count == 1 ? " line" : " lines"); }

  // The heading: the calculation in its unit system.
  void heading(std::string_view calculation) {
    std::string line = std::string(calculation) + ", " + std::string(u_.system);
    if (w_.overLimit) {
      line += "; above the pump pressure limit of " + n(w_.pumpLimitUsed) + " " +
              std::string(u_.pressure) + " (" + source(true) + ")";
    }
    out_.push_back(line);
    if (w_.departmentUsed) {
      out_.push_back("Department values: " + w_.departmentName + ", " + w_.departmentOrigin);
    }
  }

  void add(std::string line) { out_.push_back(std::move(line)); }

  // The last line: the formula's value, exact, and the text on the display.
  void result(std::string formula, double value, std::string_view unit) {
    out_.push_back(std::move(formula) + " = " + n(value) + " " + std::string(unit) + " → " +
                   w_.resultText);
  }

  // The friction loss of the lay: a line for the flow per line where the
  // flow is split, and the formula with its numbers, its value to follow.
  struct Loss {
    std::string formula;
    double value;
  };
  Loss layLoss(double flow, double linesCount, double c, double length) {
    const formula::LayLoss terms = formula::layLoss(flow, linesCount, c, length);
    std::string line;
    if (linesCount == 1) {
      line = "FL = (Q/100)² × C × L/100 = " + n(flow) + "² × " + n(c) + " × " + n(length);
    } else {
      add("q = Q/100 ÷ lines = " + n(flow) + " ÷ " + n(linesCount) + " = " + n(terms.q) +
          " per line");
      line = "FL = q² × C × L/100 = " + n(terms.q) + "² × " + n(c) + " × " + n(length);
    }
    return {line + " = " + n(terms.qSquared) + " × " + n(c) + " × " + n(length), terms.loss};
  }

  std::vector<std::string> take() { return std::move(out_); }
  const UnitNames& units() const { return u_; }
  const WorkingValues& values() const { return w_; }

 private:
  const WorkingValues& w_;
  const UnitNames& u_;
  bool everyDigit_;
  std::vector<std::string> out_;
};

void frictionLoss(Writer& out) {
  const WorkingValues& w = out.values();
  const UnitNames& u = out.units();
  out.heading("Friction loss");
  out.add("Flow " + out.input(0, u.flow) + "; " + out.coefficient(w.dblFrictionLossCoefficient) +
          "; " + out.lines(w.dblFrictionLossLines) + "; length " + out.input(3, u.length));
  const Writer::Loss loss = out.layLoss(w.dblFrictionLossFlow, w.dblFrictionLossLines,
                                        w.dblFrictionLossCoefficient, w.dblFrictionLossLength);
  out.result(loss.formula, loss.value, u.pressure);
}

void enginePressure(Writer& out) {
  const WorkingValues& w = out.values();
  const UnitNames& u = out.units();
  const auto n = [&out](double value) { return out.n(value); };
  out.heading("Engine pressure");
  out.add("Nozzle pressure " + out.input(0, u.pressure) + "; flow " + out.input(1, u.flow) + "; " +
          out.coefficient(w.dblEnginePressureCoefficient) + "; " +
          out.lines(w.dblEnginePressureLines) + "; length " + out.input(4, u.length) + "; " +
          w.inputTexts[5] + " floors (" + n(w.perFloorUsed) + " " + std::string(u.pressure) +
          " per floor, " + out.source(w.perFloorIsDepartments) + ")");
  const Writer::Loss lay = out.layLoss(w.dblEnginePressureFlow, w.dblEnginePressureLines,
                                       w.dblEnginePressureCoefficient, w.dblEnginePressureLength);
  const double loss = lay.value;
  out.add(lay.formula + " = " + n(loss) + " " + std::string(u.pressure));
  out.add("E = floors × per floor = " + w.inputTexts[5] + " × " + n(w.perFloorUsed) + " = " +
          n(w.dblEnginePressureElevation) + " " + std::string(u.pressure));
  out.result("EP = FL + NP + E = " + n(loss) + " + " + n(w.dblEnginePressureNozzlePressure) +
                 " + " + n(w.dblEnginePressureElevation),
             formula::enginePressure(loss, w.dblEnginePressureNozzlePressure,
                                     w.dblEnginePressureElevation),
             u.pressure);
}

void straightTip(Writer& out, bool reaction) {
  const WorkingValues& w = out.values();
  const UnitNames& u = out.units();
  const auto n = [&out](double value) { return out.n(value); };
  const bool metric = w.resultInMetric;
  const double d = reaction ? w.dblRFStraightTipDiameter : w.dblFRStraightTipDiameter;
  const double p = reaction ? w.dblRFStraightTipPressure : w.dblFRStraightTipPressure;
  out.heading(reaction ? "Reaction force of a straight tip" : "Flow rate of a straight tip");
  out.add("Nozzle pressure " + out.input(0, u.pressure) + "; tip " + out.input(1, u.diameter));
  if (reaction) {
    const double c = formula::kTipReaction.in(metric);
    const formula::StraightTip t = formula::straightTipReaction(d, p, c);
    out.result("R = d² × " + n(c) + " × P = " + n(d) + "² × " + n(c) + " × " + n(p) + " = " +
                   n(t.dSquared) + " × " + n(c) + " × " + n(p),
               t.result, u.force);
  } else {
    const double c = formula::kTipFlow.in(metric);
    const formula::StraightTip t = formula::straightTipFlow(d, p, c);
    out.result("Q = d² × " + n(c) + " × √P = " + n(d) + "² × " + n(c) + " × √" + n(p) + " = " +
                   n(t.dSquared) + " × " + n(c) + " × " + n(t.root),
               t.result, u.flow);
  }
}

void fogFlow(Writer& out) {
  const WorkingValues& w = out.values();
  const UnitNames& u = out.units();
  const auto n = [&out](double value) { return out.n(value); };
  const formula::FogFlow t = formula::fogFlow(
      w.dblFRFogNozzleRatedFlow, w.dblFRFogNozzleRatedPressure, w.dblFRFogNozzlePressure);
  out.heading("Flow rate of a fog nozzle");
  out.add("Nozzle pressure " + out.input(0, u.pressure) + "; rated flow " + out.input(1, u.flow) +
          " at " + out.input(2, u.pressure));
  out.result("Q = Qr ÷ √Pr × √P = " + n(w.dblFRFogNozzleRatedFlow) + " ÷ √" +
                 n(w.dblFRFogNozzleRatedPressure) + " × √" + n(w.dblFRFogNozzlePressure) + " = " +
                 n(w.dblFRFogNozzleRatedFlow) + " ÷ " + n(t.ratedRoot) + " × " + n(t.root),
             t.result, u.flow);
}

void fogReaction(Writer& out) {
  const WorkingValues& w = out.values();
  const UnitNames& u = out.units();
  const auto n = [&out](double value) { return out.n(value); };
  const double c = formula::kFogReaction.in(w.resultInMetric);
  const formula::FogReaction t =
      formula::fogReaction(w.dblRFFogNozzleFlow, w.dblRFFogNozzlePressure, c);
  out.heading("Reaction force of a fog nozzle");
  out.add("Nozzle pressure " + out.input(0, u.pressure) + "; flow " + out.input(1, u.flow));
  out.result("R = Q × " + n(c) + " × √P = " + n(w.dblRFFogNozzleFlow) + " × " + n(c) + " × √" +
                 n(w.dblRFFogNozzlePressure) + " = " + n(w.dblRFFogNozzleFlow) + " × " + n(c) +
                 " × " + n(t.root),
             t.result, u.force);
}

void appRate(Writer& out) {
  const WorkingValues& w = out.values();
  const UnitNames& u = out.units();
  const auto n = [&out](double value) { return out.n(value); };
  const double k = formula::kAreaPerFlow.in(w.resultInMetric);
  const formula::AppRate t = formula::appRate(w.dblAppRateLength, w.dblAppRateWidth, k);
  out.heading("Application rate");
  out.add("Length " + out.input(0, u.length) + "; width " + out.input(1, u.length));
  out.result("Q = W × L ÷ " + n(k) + " = " + n(w.dblAppRateWidth) + " × " + n(w.dblAppRateLength) +
                 " ÷ " + n(k) + " = " + n(t.area) + " ÷ " + n(k),
             t.result, u.flow);
}

}  // namespace

bool canShowWorking(const CalculatorState& state) {
  const WorkingValues& w = state.working;
  const bool written = sequences::armedSequence(state) != nullptr || !w.layWorking.empty();
  return state.bolReview == 0 && written && !w.resultText.empty() && state.text1 == w.resultText;
}

std::vector<std::string> working(const CalculatorState& state) {
  if (!canShowWorking(state)) return {};
  if (!state.working.layWorking.empty()) return state.working.layWorking;
  const Sequence* sequence = sequences::armedSequence(state);
  Writer out(state, state.working.*sequence->result);
  if (sequence == &sequences::kFrictionLoss) frictionLoss(out);
  if (sequence == &sequences::kEnginePressure) enginePressure(out);
  if (sequence == &sequences::kFRStraightTip) straightTip(out, false);
  if (sequence == &sequences::kRFStraightTip) straightTip(out, true);
  if (sequence == &sequences::kFRFogNozzle) fogFlow(out);
  if (sequence == &sequences::kRFFogNozzle) fogReaction(out);
  if (sequence == &sequences::kAppRate) appRate(out);
  return out.take();
}

}  // namespace vardel
