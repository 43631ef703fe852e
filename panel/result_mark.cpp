#include "panel/result_mark.h"

namespace vardel::panel {

ResultMark markOf(bool departmentUsed, const std::string& department, bool overLimit,
                  bool overCapacity) {
  ResultMark mark;
  const auto add = [&mark](const std::string& shown, const std::string& spoken) {
    mark.shown += (mark.shown.empty() ? "" : " ") + shown;
    mark.spoken += (mark.spoken.empty() ? "" : ", ") + spoken;
  };
  if (departmentUsed) add("DEPT", "made with department values, " + department);
  if (overLimit) add("OVER LIMIT", "above the pump pressure limit");
  if (overCapacity) add("OVER CAPACITY", "above the pump's capacity");
  return mark;
}

ResultMark resultMark(const CalculatorState& state) {
  const WorkingValues& w = state.working;
  if (w.resultText.empty() || state.text1 != w.resultText) return {};
  return markOf(w.departmentUsed, w.departmentName, w.overLimit, w.overCapacity);
}

}  // namespace vardel::panel
