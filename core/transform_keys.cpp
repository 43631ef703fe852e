#include "core/transform_keys.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "core/key.h"
#include "core/messages.h"
#include "core/number_text.h"

namespace vardel {
namespace {

// Shows a transformed value, or the overflow message when it left the range
// of a double (the display then keeps its number).
void showResult(Calculator& calculator, double value) {
  if (!std::isfinite(value)) {
    calculator.panel.showMessage(messages::kOverflow, messages::kProgramTitle);
    return;
  }
  calculator.show(formatPlain(value));
}

}  // namespace

void cmdSqRoot_Click(Calculator& calculator) {
  const std::optional<double> v = readStrict(calculator.display());
  if (!v) return;
  if (*v < 0) {
    calculator.panel.showMessage(messages::kNegativeRoot, messages::kNegativeRootTitle);
    return;
  }
  showResult(calculator, std::sqrt(*v));
}

void cmdSquared_Click(Calculator& calculator) {
  const std::optional<double> v = readStrict(calculator.display());
  if (!v) return;
  showResult(calculator, *v * *v);
}

void cmdPosNeq_Click(Calculator& calculator) {
  std::string_view text = calculator.display();
  if (calculator.state.bolCalculation != 0) {
    if (const auto blank = text.find(' '); blank != std::string_view::npos) {
      text.remove_prefix(blank + 1);
    }
  }
  const std::optional<double> v = readStrict(text);
  if (!v) return;
  showResult(calculator, *v * -1);
}

void cmdPercent_Click(Calculator& calculator) {
  const std::optional<double> shown = readStrict(calculator.display());
  if (!shown) return;
  const double d = *shown / 100;
  const CalculatorState& s = calculator.state;
  const double acc = s.dblAccumulator;
  if (acc == 0) {
    showResult(calculator, d);
    return;
  }
  // The percentage as the display would show it: 15 significant digits.
  const double p = readStrict(formatPlain(d)).value_or(d);
  switch (static_cast<Operator>(s.intOperator)) {
    case Operator::Plus:
      showResult(calculator, acc + p * acc);
      break;
    case Operator::Minus:
      showResult(calculator, acc - p * acc);
      break;
    case Operator::Divide:
      if (p == 0) {
        calculator.panel.showMessage(messages::kDivideByZero, messages::kProgramTitle);
        return;
      }
      showResult(calculator, acc / p);
      break;
    case Operator::Times:
      showResult(calculator, p * acc);
      break;
    case Operator::Equals:
      break;  // after "=" the key does nothing
  }
}

}  // namespace vardel
