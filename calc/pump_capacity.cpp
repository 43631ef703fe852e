#include "calc/pump_capacity.h"

#include <iterator>

#include "calc/conversion.h"
#include "calc/figures.h"

namespace vardel {
namespace {

// Measured from the upper point of each stretch, so that a net pressure at
// a test point gives that point's share exactly.
double shareAt(double net, bool metric) {
  if (net <= testPointPressure(kTestPoints[0], metric)) return kTestPoints[0].share;
  for (auto a = std::begin(kTestPoints), b = a + 1; b != std::end(kTestPoints); ++a, ++b) {
    const double low = testPointPressure(*a, metric), high = testPointPressure(*b, metric);
    if (net <= high) return b->share + (a->share - b->share) * (high - net) / (high - low);
  }
  return 0;
}

}  // namespace

std::optional<PumpRating> pumpRating(const CalculatorState& state) {
  const std::optional<double> rated = departmentFigure(state, &DepartmentValues::ratedFlow);
  if (!rated) return std::nullopt;
  return PumpRating{*rated, departmentFigure(state, &DepartmentValues::intake)};
}

double testPointPressure(const TestPoint& point, bool metric) {
  return metric ? conversion::pressure(point.pressure, true) : point.pressure;
}

Capacity capacityAt(const PumpRating& rating, double pumpPressure, bool metric) {
  Capacity c;
  c.net = pumpPressure - rating.intake.value_or(0);
  c.rated = c.net <= testPointPressure(*std::rbegin(kTestPoints), metric);
  c.share = shareAt(c.net, metric);
  c.flow = c.share * rating.ratedFlow;
  return c;
}

}  // namespace vardel
