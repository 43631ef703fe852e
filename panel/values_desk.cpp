#include "panel/values_desk.h"

#include <cmath>
#include <optional>
#include <vector>

#include "calc/appliance_losses.h"
#include "calc/conversion.h"
#include "calc/figures.h"
#include "calc/hose_table.h"
#include "calc/unit_text.h"
#include "core/number_text.h"
#include "department/flow_test.h"
#include "department/rules.h"
#include "panel/field_text.h"
#include "panel/values_box.h"
#include "practice/check.h"

namespace vardel::panel {
namespace {

using namespace values_box;

// The fields that come in pairs, one per unit system, in the order a save
// reads them: each hose key's coefficient, the elevation per floor, the
// pump pressure limit and the tolerance of a practice answer.
struct Pair {
  std::string english, metric;
  std::string what;                  // how a refusal names the figure
  const FigureRule* rule = nullptr;  // its bounds and quantity; none for a coefficient
  std::int16_t hose = -1;
  UnitPair DepartmentValues::*figure = nullptr;

  template <typename Values>
  auto& in(Values& values) const {
    return figure != nullptr ? values.*figure : values.hoses[static_cast<std::size_t>(hose)];
  }
};

const std::vector<Pair>& pairs() {
  static const std::vector<Pair> all = [] {
    std::vector<Pair> out;
    for (std::size_t row = 0; row < kHoses.size(); ++row) {
      const auto hose = static_cast<std::int16_t>(row);
      out.push_back({designName(kEnglish, hose), designName(kMetric, hose),
                     "The coefficient of the " + hoseName(hose) + " hose", nullptr, hose});
    }
    const auto figure = [&out](std::string_view english, std::string_view metric,
                               UnitPair DepartmentValues::*member) {
      const FigureRule& rule = ruleOf(member);
      out.push_back(
          {std::string(english), std::string(metric), std::string(rule.what), &rule, -1, member});
    };
    figure(kPerFloorEnglish, kPerFloorMetric, &DepartmentValues::perFloor);
    figure(kPumpLimitEnglish, kPumpLimitMetric, &DepartmentValues::pumpLimit);
    figure(kPracticeToleranceEnglish, kPracticeToleranceMetric,
           &DepartmentValues::practiceTolerance);
    for (const LayFigureFields& f : kLayFigureFields) figure(f.english, f.metric, f.figure);
    return out;
  }();
  return all;
}

double convert(const Pair& pair, double value, bool toMetric) {
  if (pair.rule == nullptr) return conversion::coefficient(value, toMetric);
  return pair.rule->quantity == Quantity::Flow ? conversion::flow(value, toMetric)
                                               : conversion::pressure(value, toMetric);
}

// The published figure of a pair in each unit system, or none.
std::optional<double> published(const Pair& pair, bool metric) {
  CalculatorState units;
  if (metric) units.strEorM = kMetricUnits;
  if (pair.hose >= 0) return hoseCoefficient(units, pair.hose).value;
  if (pair.figure == &DepartmentValues::perFloor) return perFloor(units).value;
  if (pair.figure == &DepartmentValues::practiceTolerance) {
    return practice::defaultTolerance(metric).pressure;
  }
  const ApplianceLosses losses = publishedApplianceLosses(metric);
  if (pair.figure == &DepartmentValues::wyeFrom) return losses.threshold.value;
  if (pair.figure == &DepartmentValues::wyeLoss) return losses.manifold.value;
  if (pair.figure == &DepartmentValues::standpipeLoss) return losses.standpipe.value;
  if (pair.figure == &DepartmentValues::masterStreamLoss) return losses.masterStream.value;
  return std::nullopt;
}

// The figures of a pair as its two fields hold them; the file keeps both
// systems or neither, so a figure keyed in one system is taken in the other
// by the exact conversion. Returns why a field is not a number.
std::string readPair(const Pair& pair, std::string_view english, std::string_view metric,
                     UnitPair& out) {
  const std::string_view texts[] = {trimmed(english), trimmed(metric)};
  out = {};
  for (int m = 0; m < 2; ++m) {
    if (texts[m].empty()) continue;
    const std::optional<double> value = readStrict(texts[m]);
    if (!value) {
      return pair.what + (m == 0 ? " in English units" : " in metric units") + " is not a number.";
    }
    (m == 0 ? out.english : out.metric) = *value;
  }
  if (out.english && !out.metric) out.metric = convert(pair, *out.english, true);
  if (out.metric && !out.english) out.english = convert(pair, *out.metric, false);
  return {};
}

std::string optionalText(const std::optional<double>& value) {
  return value ? formatPlain(*value) : std::string();
}

// Where the values shown came from, and what a save does with them.
std::string originLine(const DepartmentStore& store) {
  const std::optional<DepartmentValues>& values = store.values();
  if (!values) return "No department values are kept on this device: the published figures stand.";
  if (values->origin == Origin::Issued) {
    return "Where from: " + originText(*values) + ", " + store.issuedPlaceName() +
           ". A change is saved on this device alone.";
  }
  std::string line = "Where from: " + originText(*values) + ".";
  if (store.newerIssueWaits()) {
    line += " A newer issue, " + originText(*store.issue()) +
            ", waits: Department > Take issued values.";
  } else if (store.canTakeIssue()) {
    line += " The department's issue is not in force here.";
  }
  return line;
}

}  // namespace

ValuesDesk::ValuesDesk(DepartmentStore& store, Calculator& calculator)
    : BoxDesk(valuesBox()), store_(store), calculator_(calculator) {}

void ValuesDesk::openBox() {
  open();
  const DepartmentValues* values = store_.values() ? &*store_.values() : nullptr;
  at(kOrigin).text = originLine(store_);
  at(kName).text = values ? values->name : "Department";
  // The published figures, as the calculations use them without a department.
  for (const Pair& pair : pairs()) {
    Shown& inEnglish = at(pair.english);
    Shown& inMetric = at(pair.metric);
    for (Shown* shown : {&inEnglish, &inMetric}) {
      const std::optional<double> figure = published(pair, shown == &inMetric);
      shown->placeholder = figure ? fieldText(*figure) : "none";
    }
    if (values) {
      const UnitPair& kept = pair.in(*values);
      inEnglish.text = optionalText(kept.english);
      inMetric.text = optionalText(kept.metric);
    }
  }

  Shown& hoses = at(kTestHose);
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    hoses.items.push_back(hoseName(static_cast<std::int16_t>(row)));
  }
  const std::int16_t chosen = calculator_.state.selectedHose;
  hoses.selected = chosen >= 0 ? chosen : 4;  // 1 3/4", the usual attack line
  Shown& units = at(kTestUnits);
  units.items = {std::string(kEnglishNames.choice), std::string(kMetricNames.choice)};
  units.selected = isEnglish(calculator_.state) ? 0 : 1;
  at(kTestLines).placeholder = "1";
  at(kTestRise).placeholder = "0";
  drawTestUnits();
}

void ValuesDesk::drawTestUnits() {
  const UnitNames& u = unitNames(at(kTestUnits).selected == 1);
  const std::string pressure = ", " + std::string(u.pressure);
  const std::string length = ", " + std::string(u.length);
  at(kTestFlowLabel).text = "Flow, " + std::string(u.flow);
  at(kTestLengthLabel).text = "Length" + length;
  at(kTestStartLabel).text = "Pressure at the pump" + pressure;
  at(kTestEndLabel).text = "Pressure at the far end" + pressure;
  at(kTestRiseLabel).text = "Rise of the far end" + length;
}

void ValuesDesk::edited(std::string_view name) {
  typed_.insert(std::string(name));
  for (const Pair& pair : pairs()) {
    const bool english = name == pair.english;
    if (!english && name != pair.metric) continue;
    const std::string& partner = english ? pair.metric : pair.english;
    if (typed_.contains(partner)) return;
    const std::optional<double> value = readStrict(at(name).text);
    at(partner).text =
        value && std::isfinite(*value) ? fieldText(convert(pair, *value, english)) : "";
    return;
  }
}

void ValuesDesk::selected(std::string_view name, int) {
  if (name == kTestUnits) drawTestUnits();
}

std::string ValuesDesk::pressed(std::string_view key) {
  if (key == kWorkOut) return workOut();
  if (key == kSave) return save();
  return {};
}

std::string ValuesDesk::workOut() {
  FlowTest test{.metric = at(kTestUnits).selected == 1};
  const auto number = [this](std::string_view name, std::string_view what, double& out,
                             std::optional<double> blank) -> std::string {
    const std::string_view text = trimmed(at(name).text);
    const std::optional<double> value = text.empty() ? blank : readStrict(text);
    if (!value) {
      return text.empty() ? "Key the " + std::string(what) + " of the flow test."
                          : "The " + std::string(what) + " of the flow test is not a number.";
    }
    out = *value;
    return {};
  };
  for (const std::string& problem :
       {number(kTestFlow, "flow", test.flow, std::nullopt),
        number(kTestLines, "number of lines", test.lines, 1.0),
        number(kTestLength, "length", test.length, std::nullopt),
        number(kTestStart, "pressure at the pump", test.startPressure, std::nullopt),
        number(kTestEnd, "pressure at the far end", test.endPressure, std::nullopt),
        number(kTestRise, "rise of the far end", test.rise, 0.0)}) {
    if (!problem.empty()) return problem;
  }
  const auto hose = static_cast<std::int16_t>(at(kTestHose).selected);
  const FlowTestResult result = workOutCoefficient(test, hose);
  if (!result.problem.empty()) return result.problem;
  const UnitNames& u = unitNames(test.metric);
  const std::string coefficient = fieldText(result.coefficient);
  at(kTestResult).text = "Loss " + fieldText(result.loss) + " " + std::string(u.pressure) +
                         ", coefficient " + coefficient + " for " + hoseName(hose) + ", " +
                         std::string(u.adjective) + ".";
  edit(designName(test.metric ? kMetric : kEnglish, hose), coefficient);
  return {};
}

std::string ValuesDesk::save() {
  // Every field read before anything is written: one that is not a number
  // refuses the whole save.
  DepartmentValues read;
  read.name = std::string(trimmed(at(kName).text));
  for (const Pair& pair : pairs()) {
    if (std::string problem =
            readPair(pair, at(pair.english).text, at(pair.metric).text, pair.in(read));
        !problem.empty()) {
      return problem;
    }
  }
  std::string problem = store_.change(calculator_, [&read](DepartmentValues& values) {
    values.name = read.name;
    for (const Pair& pair : pairs()) pair.in(values) = pair.in(read);
    return std::string();
  });
  if (problem.empty()) close();
  return problem;
}

}  // namespace vardel::panel
