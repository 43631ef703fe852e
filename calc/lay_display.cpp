#include "calc/lay_display.h"

#include "calc/lay_figures.h"
#include "calc/lay_result.h"
#include "calc/lay_working.h"
#include "calc/press.h"

namespace vardel {

std::string showLay(Calculator& calculator, const Lay& lay) {
  const LayFigures figures = layFigures(calculator.state.department, lay.metric);
  const LayResult r = layResult(lay, figures);
  if (!r.problem.empty()) return r.problem;
  if (lay.metric == isEnglish(calculator.state)) press(calculator, Key{KeyKind::EnglishMetric});
  press(calculator, Key{KeyKind::AllClear});
  WorkingValues& w = calculator.state.working;
  w.resultText = r.text;
  w.resultInMetric = lay.metric;
  w.departmentUsed = r.departmentUsed;
  w.departmentName = figures.departmentName;
  w.overLimit = r.overLimit;
  w.pumpLimitUsed = r.overLimit ? *figures.pumpLimit : 0;
  w.overCapacity = r.overCapacity;
  w.layWorking = layWorking(lay, figures, r);
  calculator.show(r.text);
  endEntry(calculator.state);
  return {};
}

}  // namespace vardel
