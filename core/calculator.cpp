#include "core/calculator.h"

#include <utility>

namespace vardel {

void Calculator::show(std::string text) {
  state.text1 = std::move(text);
  ++displayShows;
}

void Calculator::showIndicator(std::string text) { state.txtEorM = std::move(text); }

}  // namespace vardel
