#include "calc/enter_sequence.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calc/result_text.h"
#include "calc/sequences.h"
#include "core/clear_keys.h"
#include "core/number_text.h"

namespace vardel {
namespace {

// The display of a lone keyed zero, which a value step refuses.
constexpr std::string_view kLoneZero = " 0";

void fail(Calculator& calculator) {
  cmdAllClear_Click(calculator);
  calculator.show(std::string(kErrorText));
}

// The calculation that Enter serves: the first set flag in the fixed order.
const Sequence* armedSequence(const CalculatorState& s) {
  for (const Sequence* sequence : sequences::kInEnterOrder) {
    if (s.*sequence->flag != 0) return sequence;
  }
  return nullptr;
}

// The number a reading step takes from the display, or nothing when the
// step must fail.
std::optional<double> readDisplay(std::string_view text, StepKind kind) {
  switch (kind) {
    case StepKind::Value:
      if (text == kLoneZero) return std::nullopt;
      break;
    case StepKind::Lines:
      if (text == prompts::kSiamese.english) return 0.0;  // nothing keyed
      break;
    case StepKind::Floors:
      if (text == prompts::kFloors.english) return 0.0;
      break;
    case StepKind::Hose:
      break;
  }
  return readStrict(text);
}

double stored(double value, const Step& step, const CalculatorState& s) {
  if (step.kind == StepKind::Lines && value == 0) return 1;  // the flow is not split
  switch (step.stored) {
    case Stored::InHundreds:
      return value / 100;
    case Stored::AsElevation:
      return value * (isEnglish(s) ? 4.3 : 29.65);
    case Stored::AsKeyed:
      break;
  }
  return value;
}

// Takes the step's input into its field; false when the step must fail.
bool takeInput(Calculator& calculator, const Step& step) {
  CalculatorState& s = calculator.state;
  double& field = s.working.*step.field;
  if (step.kind == StepKind::Hose) {
    if (s.dblHoseCoefficient == 0) return false;  // no hose key pressed
    field = s.dblHoseCoefficient;
    return true;
  }
  const std::optional<double> value = readDisplay(calculator.display(), step.kind);
  if (!value) return false;
  const double kept = stored(*value, step, s);
  if (!std::isfinite(kept)) return false;
  field = kept;
  return true;
}

// Performs one step; false when the press must take the failure path.
bool perform(Calculator& calculator, const Sequence& sequence, const Step& step) {
  CalculatorState& s = calculator.state;
  if (!takeInput(calculator, step)) return false;
  if (step.showsResult()) {
    if (!sequence.formula(s)) return false;
    calculator.show(resultText(sequence.unitWord.in(s), s.working.*sequence.result));
    return true;
  }
  calculator.show(std::string(step.next.in(s)));
  calculator.panel.focusEnter();
  s.bolPromptShown = kTrue;
  return true;
}

}  // namespace

void cmdEnter_Click(Calculator& calculator) {
  CalculatorState& s = calculator.state;
  if (s.intStep == std::numeric_limits<std::int16_t>::max()) {
    fail(calculator);  // the 16-bit counter would run over
    return;
  }
  s.intStep = static_cast<std::int16_t>(s.intStep + 1);

  // Review of the stored inputs is tested before any calculation. No key
  // turns it on and no review walk is offered, so a press in review mode
  // only counts.
  if (s.bolReview != 0) return;

  const Sequence* sequence = armedSequence(s);
  if (sequence == nullptr) return;
  if (s.intStep < 1 || static_cast<std::size_t>(s.intStep) > sequence->steps.size()) return;
  const Step& step = sequence->steps[static_cast<std::size_t>(s.intStep) - 1];
  if (!perform(calculator, *sequence, step)) fail(calculator);
}

}  // namespace vardel
