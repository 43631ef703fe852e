#include "panel/result_mark.h"

namespace vardel::panel {

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

}  // namespace vardel::panel
