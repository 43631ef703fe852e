#include "calc/enter_sequence.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calc/hose_table.h"
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

// The number a reading step takes from the display, or nothing when the
// step must fail. In a review the display holds the stored value or a keyed
// one, never the prompt, so the prompt is not read as "nothing keyed" there.
std::optional<double> readDisplay(std::string_view text, StepKind kind, bool review) {
  switch (kind) {
    case StepKind::Value:
      if (text == kLoneZero) return std::nullopt;
      break;
    case StepKind::Lines:
      if (!review && text == prompts::kSiamese.english) return 0.0;  // nothing keyed
      break;
    case StepKind::Floors:
      if (!review && text == prompts::kFloors.english) return 0.0;
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

// Whether the display still names the selected hose: its size, as a review
// shows it, or the text its hose key shows in either unit system.
bool showsSelectedHose(const CalculatorState& s, std::string_view text) {
  if (text == s.strHoseSize) return true;
  for (const Hose& hose : kHoses) {
    if (hose.sizeText == s.strHoseSize) {
      return text == hose.englishDisplay || text == hose.metricDisplay;
    }
  }
  return false;
}

// Takes the step's input into its field; false when the step must fail.
bool takeInput(Calculator& calculator, const Step& step, bool review) {
  CalculatorState& s = calculator.state;
  double& field = s.working.*step.field;
  if (step.kind == StepKind::Hose) {
    if (s.dblHoseCoefficient == 0) return false;  // no hose key pressed
    // A number keyed over the hose a review shows would go unused without a
    // word; only a hose key chooses another hose.
    if (review && !showsSelectedHose(s, calculator.display())) return false;
    field = s.dblHoseCoefficient;
    return true;
  }
  const std::optional<double> value = readDisplay(calculator.display(), step.kind, review);
  if (!value) return false;
  const double kept = stored(*value, step, s);
  if (!std::isfinite(kept)) return false;
  field = kept;
  if (step.asRead != nullptr) s.working.*step.asRead = *value;
  return true;
}

void showPrompt(Calculator& calculator, std::string_view prompt) {
  calculator.show(std::string(prompt));
  calculator.panel.focusEnter();
  calculator.state.bolPromptShown = kTrue;
}

// Performs one step that takes an input; false when the press must take the
// failure path. The last step runs the formula, shows the result and ends a
// review.
bool perform(Calculator& calculator, const Sequence& sequence, const Step& step, bool review) {
  CalculatorState& s = calculator.state;
  if (!takeInput(calculator, step, review)) return false;
  if (step.showsResult()) {
    if (!sequence.formula(s)) return false;
    calculator.show(resultText(sequence.unitWord.in(s), s.working.*sequence.result));
    s.bolReview = kFalse;
    return true;
  }
  const UnitText& next =
      review && step.next == prompts::kHoseSize ? prompts::kReviewHoseSize : step.next;
  showPrompt(calculator, next.in(s));
  return true;
}

// What an input holds, as its review shows it: the number in plain format,
// flows and lengths back in their keyed units, the hose by its size. Nothing
// when the number cannot be written (it ran over on the way back).
std::optional<std::string> storedText(const CalculatorState& s, const Step& step) {
  if (step.kind == StepKind::Hose) return s.strHoseSize;
  double value = s.working.*(step.asRead != nullptr ? step.asRead : step.field);
  if (step.stored == Stored::InHundreds) value *= 100;
  if (!std::isfinite(value)) return std::nullopt;
  return formatPlain(value);
}

// One press of Enter in a review: two presses per input. The odd press shows
// what the input holds, and a digit keyed then replaces it; the even press
// takes the display as that input, as the sequence's own step does.
bool performReview(Calculator& calculator, const Sequence& sequence) {
  const auto press = static_cast<std::size_t>(calculator.state.intStep);
  if (press < 1 || press > 2 * sequence.steps.size()) return true;
  const Step& step = sequence.steps[(press - 1) / 2];
  if (press % 2 == 0) return perform(calculator, sequence, step, true);
  const std::optional<std::string> text = storedText(calculator.state, step);
  if (!text) return false;
  showPrompt(calculator, *text);
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

  const Sequence* sequence = sequences::armedSequence(s);
  if (sequence == nullptr) return;
  // A review is tested before the calculation's own steps.
  if (s.bolReview != 0) {
    if (!performReview(calculator, *sequence)) fail(calculator);
    return;
  }
  if (s.intStep < 1 || static_cast<std::size_t>(s.intStep) > sequence->steps.size()) return;
  const Step& step = sequence->steps[static_cast<std::size_t>(s.intStep) - 1];
  if (!perform(calculator, *sequence, step, false)) fail(calculator);
}

bool canReview(const CalculatorState& s) {
  if (s.bolReview != 0 || s.bolCalculation == 0) return false;
  const Sequence* sequence = sequences::armedSequence(s);
  return sequence != nullptr && s.intStep >= 0 &&
         static_cast<std::size_t>(s.intStep) >= sequence->steps.size();
}

void startReview(Calculator& calculator) {
  CalculatorState& s = calculator.state;
  if (!canReview(s)) return;
  const Sequence& sequence = *sequences::armedSequence(s);
  s.bolReview = kTrue;
  s.intStep = 0;
  restKeypad(s);  // no pending operator reaches into the walk
  showPrompt(calculator, sequence.firstPrompt.in(s));
}

}  // namespace vardel
