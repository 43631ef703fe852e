#include "panel/window_title.h"

#include "calc/department_values.h"

namespace vardel::panel {

std::string windowTitle(const CalculatorState& state) {
  if (state.department == nullptr) return {};
  return "Department values: " + state.department->name;
}

}  // namespace vardel::panel
