#include "calc/department.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "calc/saved_lines.h"
#include "core/number_text.h"

namespace vardel {
namespace {

bool isRow(std::int16_t hose) {
  return hose >= 0 && static_cast<std::size_t>(hose) < kHoses.size();
}

std::string pressureUnit(bool metric) { return metric ? "kPa" : "psi"; }

std::string number(double value) { return formatPlain(value); }

// "between 2 and 10 psi"
std::string range(const double (&limits)[2], bool metric) {
  return "between " + number(limits[0]) + " and " + number(limits[1]) + " " + pressureUnit(metric);
}

std::string checkWithin(const double (&limits)[2], bool metric, double value, std::string what) {
  if (std::isfinite(value) && value >= limits[0] && value <= limits[1]) return {};
  return what + " must lie " + range(limits, metric) + ".";
}

std::size_t codePoints(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The flow test's own bounds: a lay that can be tested on a drill ground.
struct TestBounds {
  double flow[2], length[2], pressure[2], rise[2];
  const char *flowUnit, *lengthUnit;
};
constexpr TestBounds kEnglishTest{{10, 2000}, {10, 2000}, {0, 600}, {-300, 300}, "gpm", "ft"};
constexpr TestBounds kMetricTest{{40, 7500}, {3, 600}, {0, 4150}, {-100, 100}, "L/min", "m"};

std::string outside(const char* what, const double (&limits)[2], const char* unit, double value) {
  if (std::isfinite(value) && value >= limits[0] && value <= limits[1]) return {};
  return std::string(what) + " must lie between " + number(limits[0]) + " and " +
         number(limits[1]) + " " + unit + ".";
}

std::string checkTest(const FlowTest& t) {
  const TestBounds& b = t.metric ? kMetricTest : kEnglishTest;
  const char* pressure = t.metric ? "kPa" : "psi";
  for (const std::string& problem :
       {outside("The flow", b.flow, b.flowUnit, t.flow),
        outside("The length", b.length, b.lengthUnit, t.length),
        outside("The pressure at the pump end", b.pressure, pressure, t.startPressure),
        outside("The pressure at the far end", b.pressure, pressure, t.endPressure),
        outside("The rise of the far end", b.rise, b.lengthUnit, t.rise)}) {
    if (!problem.empty()) return problem;
  }
  if (!(t.lines >= 1 && t.lines <= 4 && t.lines == std::floor(t.lines))) {
    return "The number of lines must be a whole number from 1 to 4.";
  }
  return {};
}

}  // namespace

namespace conversion {
double coefficient(double value, bool toMetric) {
  return toMetric ? value * kCoefficient : value / kCoefficient;
}
double pressure(double value, bool toMetric) {
  return toMetric ? value * kKilopascalsPerPsi : value / kKilopascalsPerPsi;
}
}  // namespace conversion

std::string checkCoefficient(std::int16_t hose, bool metric, double value) {
  if (!isRow(hose)) return "There is no such hose key.";
  const Hose& h = kHoses[static_cast<std::size_t>(hose)];
  const double published = metric ? h.metricCoefficient : h.englishCoefficient;
  const double low = published / bounds::kCoefficientFactor;
  const double high = published * bounds::kCoefficientFactor;
  if (std::isfinite(value) && value >= low && value <= high) return {};
  return "The coefficient of the " + hoseName(hose) + " hose must lie between " + number(low) +
         " and " + number(high) + " (" + pressureUnit(metric) +
         "), one fifth to five times the published " + number(published) +
         ": no real hose of that size lies outside.";
}

std::string checkPerFloor(bool metric, double value) {
  return checkWithin(metric ? bounds::kPerFloorMetric : bounds::kPerFloorEnglish, metric, value,
                     "The elevation pressure per floor");
}

std::string checkPumpLimit(bool metric, double value) {
  return checkWithin(metric ? bounds::kPumpLimitMetric : bounds::kPumpLimitEnglish, metric, value,
                     "The pump pressure limit");
}

std::string checkName(std::string_view name, std::string_view what) {
  const std::string label(what);
  if (name.find_first_not_of(' ') == std::string_view::npos) return label + " is empty.";
  if (codePoints(name) > bounds::kNameLength) {
    return label + " is longer than " + std::to_string(bounds::kNameLength) + " characters.";
  }
  if (std::any_of(name.begin(), name.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
    return label + " holds a control character.";
  }
  return {};
}

std::string checkValues(const DepartmentValues& values) {
  if (std::string p = checkName(values.name, "The department's name"); !p.empty()) return p;
  for (std::size_t row = 0; row < values.hoses.size(); ++row) {
    for (const bool metric : {false, true}) {
      if (const std::optional<double> c = values.hoses[row].in(metric)) {
        if (std::string p = checkCoefficient(static_cast<std::int16_t>(row), metric, *c);
            !p.empty()) {
          return p;
        }
      }
    }
  }
  for (const bool metric : {false, true}) {
    if (const std::optional<double> f = values.perFloor.in(metric)) {
      if (std::string p = checkPerFloor(metric, *f); !p.empty()) return p;
    }
    if (const std::optional<double> l = values.pumpLimit.in(metric)) {
      if (std::string p = checkPumpLimit(metric, *l); !p.empty()) return p;
    }
  }
  if (values.lines.size() > bounds::kMostLines) {
    return "There are more than " + std::to_string(bounds::kMostLines) + " saved lines.";
  }
  std::set<std::string> names;
  for (const SavedLine& line : values.lines) {
    if (std::string p = checkName(line.name, "The name of a saved line"); !p.empty()) return p;
    if (!names.insert(line.name).second) return "Two saved lines are named " + line.name + ".";
    if (std::string p = checkLine(line, values); !p.empty()) return p;
  }
  return {};
}

FlowTestResult workOutCoefficient(const FlowTest& test, std::int16_t hose) {
  FlowTestResult result;
  if (result.problem = checkTest(test); !result.problem.empty()) return result;
  const double weight = test.metric ? kWaterKilopascalsPerMetre : kWaterPsiPerFoot;
  result.loss = test.startPressure - test.endPressure - test.rise * weight;
  if (!(result.loss > 0)) {
    result.problem =
        "The test shows no friction loss: the pressure at the far end, with the rise, is not "
        "below the pressure at the pump end. Are the two pressures the wrong way round?";
    return result;
  }
  const double q = test.flow / 100 / test.lines;
  result.coefficient = result.loss / (q * q * (test.length / 100));
  result.problem = checkCoefficient(hose, test.metric, result.coefficient);
  return result;
}

ResultMark resultMark(const CalculatorState& state) {
  const WorkingValues& w = state.working;
  if (w.resultText.empty() || state.text1 != w.resultText) return {};
  ResultMark mark;
  const auto add = [&mark](const std::string& shown, const std::string& spoken) {
    mark.shown += (mark.shown.empty() ? "" : " ") + shown;
    mark.spoken += (mark.spoken.empty() ? "" : ", ") + spoken;
  };
  if (w.departmentUsed) {
    add("DEPT", "made with department values, " + w.departmentName);
  }
  if (w.overLimit) add("OVER LIMIT", "above the pump pressure limit");
  return mark;
}

std::string windowTitle(const CalculatorState& state) {
  if (state.department == nullptr) return {};
  return "Department values: " + state.department->name;
}

std::string hoseName(std::int16_t hose) {
  if (!isRow(hose)) return {};
  std::string_view caption = kHoses[static_cast<std::size_t>(hose)].caption;
  while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
  return std::string(caption);
}

}  // namespace vardel
