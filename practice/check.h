#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/department_values.h"
#include "practice/problem.h"

// Checking an operator's answer against the calculator's own, within a
// tolerance in the answer's unit.
namespace vardel::practice {

// How far off an answer may be and still count, in the set's units.
struct Tolerance {
  double pressure, flow, force;
  double of(Quantity quantity) const;
};

// 5 psi, 5 gpm, 5 lb; in metric units 35 kPa, 20 L/min, 20 N.
Tolerance defaultTolerance(bool metric);

// The tolerance in force: the department's for a pressure where its values
// are in force and it set one, else the default.
Tolerance toleranceInForce(bool metric, const DepartmentValues* department);

// The tolerance in words: "5 psi".
std::string toleranceWords(const Tolerance& tolerance, Quantity quantity, bool metric);

// Whether `offered` lies within `tolerance` of `answer`, edges included.
// The three are compared in millionths, so that a decimal answer keyed at
// the very edge counts as the decimal it is (183.3 is 0.3 from 183).
bool withinTolerance(double offered, double answer, double tolerance);

// The number the display offers as the answer: a number, or a result whose
// unit word is the answer's ("PSI 180" for a pressure in psi), so that a
// result worked on the calculator may be offered as it stands. Nothing for
// any other text.
std::optional<double> offeredAnswer(std::string_view display, const Problem& problem);

enum class Outcome : std::uint8_t { Right, Wrong, NoAnswer };

struct Verdict {
  Outcome outcome = Outcome::NoAnswer;
  std::vector<std::string> lines;  // RIGHT or WRONG and the answer; on a miss, the working
};

Verdict check(const Problem& problem, std::string_view display, const Tolerance& tolerance);

}  // namespace vardel::practice
