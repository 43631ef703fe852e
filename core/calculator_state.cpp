#include "core/calculator_state.h"

namespace vardel {

bool isEnglish(const CalculatorState& state) { return state.strEorM == "E"; }

}  // namespace vardel
