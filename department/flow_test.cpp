#include "department/flow_test.h"

#include <cmath>

#include "calc/unit_text.h"
#include "department/rules.h"

namespace vardel {
namespace {

// The test's own bounds: a lay that can be tested on a drill ground.
struct TestBounds {
  double flow[2], length[2], pressure[2], rise[2];
};
constexpr TestBounds kEnglishTest{{10, 2000}, {10, 2000}, {0, 600}, {-300, 300}};
constexpr TestBounds kMetricTest{{40, 7500}, {3, 600}, {0, 4150}, {-100, 100}};

std::string outside(const char* what, const double (&limits)[2], std::string_view unit,
                    double value) {
  if (std::isfinite(value) && value >= limits[0] && value <= limits[1]) return {};
  return std::string(what) + " must lie " + rangeText(limits, unit) + ".";
}

std::string checkTest(const FlowTest& t) {
  const TestBounds& b = t.metric ? kMetricTest : kEnglishTest;
  const UnitNames& u = unitNames(t.metric);
  for (const std::string& problem :
       {outside("The flow", b.flow, u.flow, t.flow),
        outside("The length", b.length, u.length, t.length),
        outside("The pressure at the pump end", b.pressure, u.pressure, t.startPressure),
        outside("The pressure at the far end", b.pressure, u.pressure, t.endPressure),
        outside("The rise of the far end", b.rise, u.length, t.rise)}) {
    if (!problem.empty()) return problem;
  }
  if (!(t.lines >= 1 && t.lines <= 4 && t.lines == std::floor(t.lines))) {
    return "The number of lines must be a whole number from 1 to 4.";
  }
  return {};
}

}  // namespace

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

}  // namespace vardel
