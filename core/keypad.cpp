#include "core/keypad.h"

#include <cmath>
#include <optional>

#include "core/key.h"
#include "core/messages.h"
#include "core/number_text.h"

namespace vardel {
namespace {

void keyPoint(Calculator& calculator) {
  CalculatorState& s = calculator.state;
  if (s.bolPromptShown != 0) {
    calculator.show(" .");
    s.bolPromptShown = kFalse;
    s.intDecimalPoint = 1;
  } else if (s.intDecimalPoint == 1) {
    calculator.panel.showMessage(messages::kSecondPoint, messages::kProgramTitle);
  } else {
    calculator.show(calculator.display() + ".");
    s.intDecimalPoint = 1;
  }
}

void keyDigit(Calculator& calculator, const std::string& digit) {
  CalculatorState& s = calculator.state;
  if (s.bolPromptShown != 0) {
    calculator.show(" " + digit);
    s.bolPromptShown = kFalse;
    s.intDecimalPoint = 0;
  } else if (calculator.display() == " 0") {
    calculator.show(" " + digit);
  } else {
    calculator.show(calculator.display() + digit);
  }
}

// The pending operator applied to the accumulator and the shown value, or
// nothing when the keypad refuses it (a message has then been shown).
std::optional<double> evaluate(Calculator& calculator, double value) {
  const CalculatorState& s = calculator.state;
  double result = s.dblAccumulator;
  switch (static_cast<Operator>(s.intOperator)) {
    case Operator::Plus:
      result = s.dblAccumulator + value;
      break;
    case Operator::Minus:
      result = s.dblAccumulator - value;
      break;
    case Operator::Times:
      result = s.dblAccumulator * value;
      break;
    case Operator::Divide:
      if (value == 0) {
        calculator.panel.showMessage(messages::kDivideByZero, messages::kProgramTitle);
        return std::nullopt;
      }
      result = s.dblAccumulator / value;
      break;
    case Operator::Equals:
      break;  // the result stands
  }
  if (!std::isfinite(result)) {
    calculator.panel.showMessage(messages::kOverflow, messages::kProgramTitle);
    return std::nullopt;
  }
  return result;
}

}  // namespace

void Command1_Click(Calculator& calculator, std::int16_t index) {
  CalculatorState& s = calculator.state;
  if (s.intOperator == indexOf(Operator::Equals)) {
    // A digit after "=" begins a new chain.
    s.dblAccumulator = 0;
    calculator.show(" ");
    s.intOperator = indexOf(Operator::Plus);
  }
  s.intOperatorKeyed = 0;
  if (s.intEntryStarted == 0) calculator.show(" ");
  s.intEntryStarted = 1;

  const std::string caption(kDigitCaptions[static_cast<std::size_t>(index)]);
  if (caption == ".") {
    keyPoint(calculator);
  } else if (caption.size() == 1 && caption[0] >= '0' && caption[0] <= '9') {
    keyDigit(calculator, caption);
  }
  calculator.panel.focusEnter();
}

void command2_Click(Calculator& calculator, std::int16_t index) {
  CalculatorState& s = calculator.state;
  if (index == indexOf(Operator::Equals) || s.intOperatorKeyed == 0) {
    const std::optional<double> value = readLenient(calculator.display());
    if (!value) {
      calculator.panel.showMessage(messages::kOverflow, messages::kProgramTitle);
      return;
    }
    const std::optional<double> result = evaluate(calculator, *value);
    if (!result) return;  // refused: nothing changes, the focus stays
    s.dblAccumulator = *result;
    calculator.show(formatSigned(*result));
    s.intEntryStarted = 0;
  }
  s.intOperatorKeyed = 1;
  s.intDecimalPoint = 0;
  s.intOperator = index;
  calculator.panel.focusEnter();
}

}  // namespace vardel
