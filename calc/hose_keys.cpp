#include "calc/hose_keys.h"

#include <cstddef>
#include <string>

#include "calc/hose_table.h"
#include "calc/unit_text.h"

namespace vardel {

void cmdHose_Click(Calculator& calculator, std::int16_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kHoses.size()) return;
  CalculatorState& s = calculator.state;
  if (s.bolCalculation == 0) {
    calculator.show(std::string(kErrorText));
  } else {
    const Hose& hose = kHoses[static_cast<std::size_t>(index)];
    const bool english = isEnglish(s);
    s.dblHoseCoefficient = english ? hose.englishCoefficient : hose.metricCoefficient;
    calculator.show(std::string(english ? hose.englishDisplay : hose.metricDisplay));
    s.strHoseSize = std::string(hose.sizeText);
  }
  calculator.panel.focusEnter();
}

}  // namespace vardel
