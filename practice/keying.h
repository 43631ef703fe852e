#pragma once

#include <string>

#include "calc/department_values.h"
#include "core/calculator.h"
#include "practice/problem.h"

// A problem keyed on the calculator, as an operator would key it: the
// answer of every problem is what the calculator itself shows for its keys.
namespace vardel::practice {

// Keys the problem on `calculator`: ENGLISH METRIC first when the problem is
// in the other unit system, its function key, then at each prompt its value
// digit by digit (or its hose key) and Enter; it stops at ERROR. A lay
// problem's lay is shown as the Lays desk's Show shows it. Returns why the
// lay gives no result, or an empty text.
std::string keyProblem(Calculator& calculator, const Problem& problem);

// The answer: the problem keyed on a calculator of its own, fresh from
// start-up, with `department`'s values in force (none: the published ones).
// A lay that gives no result answers ERROR, as a calculation would.
Answer answerOf(const Problem& problem, const DepartmentValues* department);

}  // namespace vardel::practice
