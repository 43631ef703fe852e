#include "calc/hose_keys.h"

#include <cstddef>
#include <string>

#include "calc/figures.h"
#include "calc/hose_table.h"
#include "calc/unit_text.h"

namespace vardel {
namespace {

bool isRow(std::int16_t row) { return row >= 0 && static_cast<std::size_t>(row) < kHoses.size(); }

const Hose& hoseAt(std::int16_t row) { return kHoses[static_cast<std::size_t>(row)]; }

}  // namespace

void cmdHose_Click(Calculator& calculator, std::int16_t index) {
  if (!isRow(index)) return;
  CalculatorState& s = calculator.state;
  if (s.bolCalculation == 0) {
    calculator.show(std::string(kErrorText));
    endEntry(s);
  } else {
    const Hose& hose = hoseAt(index);
    calculator.show(std::string(isEnglish(s) ? hose.englishDisplay : hose.metricDisplay));
    selectHose(s, index);
  }
  calculator.panel.focusEnter();
}

void selectHose(CalculatorState& state, std::int16_t row) {
  if (!isRow(row)) return;
  state.dblHoseCoefficient = hoseCoefficient(state, row).value;
  state.strHoseSize = std::string(hoseAt(row).sizeText);
  state.selectedHose = row;
}

bool namesHose(std::string_view text, std::int16_t row) {
  if (!isRow(row)) return false;
  const Hose& hose = hoseAt(row);
  return text == hose.sizeText || text == hose.englishDisplay || text == hose.metricDisplay;
}

}  // namespace vardel
