#pragma once

#include "calc/department_values.h"
#include "core/calculator.h"
#include "practice/problem.h"

// A problem keyed on the calculator, as an operator would key it: the
// answer of every problem is what the calculator itself shows for its keys.
namespace vardel::practice {

// Keys the problem on `calculator`: ENGLISH METRIC first when the problem is
// in the other unit system, its function key, then at each prompt its value
// digit by digit (or its hose key) and Enter; it stops at ERROR.
void keyProblem(Calculator& calculator, const Problem& problem);

// The answer: the problem keyed on a calculator of its own, fresh from
// start-up, with `department`'s values in force (none: the published ones).
Answer answerOf(const Problem& problem, const DepartmentValues* department);

}  // namespace vardel::practice
