#include "core/calculator.h"

#include <utility>

namespace vardel {

void Calculator::show(std::string text) {
  state.text1 = std::move(text);
  panel.setDisplayText(state.text1);
}

void Calculator::showIndicator(std::string text) {
  state.txtEorM = std::move(text);
  panel.setIndicatorText(state.txtEorM);
}

}  // namespace vardel
