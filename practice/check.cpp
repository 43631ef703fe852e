#include "practice/check.h"

#include <cmath>
#include <cstdlib>

#include "calc/unit_text.h"
#include "core/number_text.h"
#include "practice/wording.h"

namespace vardel::practice {

double Tolerance::of(Quantity quantity) const {
  switch (quantity) {
    case Quantity::Pressure:
      return pressure;
    case Quantity::Flow:
      return flow;
    case Quantity::Force:
      return force;
  }
  return pressure;
}

Tolerance defaultTolerance(bool metric) {
  if (metric) return {.pressure = 35, .flow = 20, .force = 20};
  return {.pressure = 5, .flow = 5, .force = 5};
}

Tolerance toleranceInForce(bool metric, const DepartmentValues* department) {
  Tolerance tolerance = defaultTolerance(metric);
  if (department != nullptr) {
    tolerance.pressure = department->practiceTolerance.in(metric).value_or(tolerance.pressure);
  }
  return tolerance;
}

std::string toleranceWords(const Tolerance& tolerance, Quantity quantity, bool metric) {
  const UnitNames& units = unitNames(metric);
  std::string_view unit = units.pressure;
  if (quantity == Quantity::Flow) unit = units.flow;
  if (quantity == Quantity::Force) unit = units.force;
  return formatPlain(tolerance.of(quantity)) + " " + std::string(unit);
}

bool withinTolerance(double offered, double answer, double tolerance) {
  // Below a billion, a figure in millionths is a whole number a double holds exactly.
  constexpr double kScale = 1e6, kLargest = 1e9;
  if (!(std::fabs(offered) < kLargest && std::fabs(answer) < kLargest && tolerance < kLargest)) {
    return std::fabs(offered - answer) <= tolerance;
  }
  const auto millionths = [](double x) { return std::llround(x * kScale); };
  return std::llabs(millionths(offered) - millionths(answer)) <= millionths(tolerance);
}

std::optional<double> offeredAnswer(std::string_view display, const Problem& problem) {
  const std::size_t blank = display.find_last_of(' ');
  if (blank != std::string_view::npos && display.find_first_not_of(' ') < blank) {
    // A result: its unit word must be the answer's.
    const std::string_view word = display.substr(0, blank + 1);
    if (!problem.answer.shown.starts_with(word)) return std::nullopt;
    return readStrict(display.substr(blank + 1));
  }
  return readStrict(display);
}

Verdict check(const Problem& problem, std::string_view display, const Tolerance& tolerance) {
  const std::optional<double> offered = offeredAnswer(display, problem);
  if (!offered) return {Outcome::NoAnswer, {"Key the answer, then press Enter."}};
  const Quantity quantity = quantityOf(problem.kind);
  const bool right = withinTolerance(*offered, problem.answer.value, tolerance.of(quantity));
  Verdict verdict{right ? Outcome::Right : Outcome::Wrong, {}};
  const std::string keyed = "you keyed " + formatPlain(*offered);
  if (right) {
    verdict.lines.push_back("RIGHT. The answer is " + problem.answer.shown + "; " + keyed + ".");
    return verdict;
  }
  verdict.lines.push_back("WRONG. The answer is " + problem.answer.shown + "; " + keyed +
                          ", and within " + toleranceWords(tolerance, quantity, problem.metric) +
                          " counts.");
  verdict.lines.insert(verdict.lines.end(), problem.answer.working.begin(),
                       problem.answer.working.end());
  return verdict;
}

}  // namespace vardel::practice
