#include "calc/enter_sequence.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "calc/department_values.h"
#include "calc/figures.h"
#include "calc/hose_keys.h"
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

// Whether the display still holds the prompt of a step that counts it as
// nothing keyed ("SIAMESE": one line, "FLOORS": no floors). In a review the
// display holds the stored value or a keyed one, never that prompt.
bool nothingKeyed(std::string_view text, StepKind kind, bool review) {
  if (review) return false;
  return (kind == StepKind::Lines && text == prompts::kSiamese.english) ||
         (kind == StepKind::Floors && text == prompts::kFloors.english);
}

// The number a reading step takes from the display, or nothing when the
// step must fail.
std::optional<double> readDisplay(std::string_view text, StepKind kind, bool review) {
  if (kind == StepKind::Value && text == kLoneZero) return std::nullopt;
  if (nothingKeyed(text, kind, review)) return 0.0;
  return readStrict(text);
}

double stored(double value, const Step& step, const CalculatorState& s) {
  if (step.kind == StepKind::Lines && value == 0) return 1;  // the flow is not split
  switch (step.stored) {
    case Stored::InHundreds:
      return value / 100;
    case Stored::AsElevation:
      return value * perFloor(s).value;
    case Stored::AsKeyed:
      break;
  }
  return value;
}

// The display without the blanks around it: how an input is kept.
std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The hose step takes the hose the display names, and nothing else: a number
// keyed over the hose text would otherwise go unused without a word. The
// hose prompt, still shown, takes the hose key pressed earlier in the
// calculation; a review shows the hose itself, never the prompt.
bool showsHoseToTake(const CalculatorState& s, std::string_view text, bool review) {
  if (!review && text == prompts::kHoseSize.english) return true;
  return namesHose(text, s.selectedHose);
}

// Takes the step's input into its field and keeps it as shown; false when
// the step must fail.
bool takeInput(Calculator& calculator, const Step& step, std::size_t index, bool review) {
  CalculatorState& s = calculator.state;
  WorkingValues& w = s.working;
  double& field = w.*step.field;
  if (step.kind == StepKind::Hose) {
    if (s.selectedHose < 0) return false;  // no hose key pressed
    if (!showsHoseToTake(s, calculator.display(), review)) return false;
    field = hoseCoefficient(s, s.selectedHose).value;
    w.hoseTaken = s.selectedHose;
    w.inputTexts.at(index) = s.strHoseSize;
    return true;
  }
  const std::optional<double> value = readDisplay(calculator.display(), step.kind, review);
  if (!value) return false;
  const double kept = stored(*value, step, s);
  if (!std::isfinite(kept)) return false;
  field = kept;
  if (step.asRead != nullptr) w.*step.asRead = *value;
  // A prompt that stood for "nothing keyed" is kept as what it counted:
  // one line, no floors.
  w.inputTexts.at(index) = nothingKeyed(calculator.display(), step.kind, review)
                               ? formatPlain(step.kind == StepKind::Lines ? kept : *value)
                               : std::string(trimmed(calculator.display()));
  return true;
}

void showPrompt(Calculator& calculator, std::string_view prompt) {
  calculator.show(std::string(prompt));
  calculator.panel.focusEnter();
  calculator.state.bolPromptShown = kTrue;
}

// The formula of the result, with every value in the unit system in force
// now, which its unit word names: the hose taken is looked up again, so that
// a change of units after the hose step cannot mix two systems. Notes the
// result's unit system, whether a department's figure went into it, and
// whether a pump pressure passed the department's limit.
bool computeResult(CalculatorState& s, const Sequence& sequence) {
  WorkingValues& w = s.working;
  w.coefficientIsDepartments = w.perFloorIsDepartments = false;
  for (const Step& step : sequence.steps) {
    if (step.kind == StepKind::Hose) {
      const Figure coefficient = hoseCoefficient(s, w.hoseTaken);
      w.*step.field = coefficient.value;
      w.coefficientIsDepartments = coefficient.department;
    }
    if (step.stored == Stored::AsElevation) {
      const Figure floor = perFloor(s);
      w.perFloorUsed = floor.value;
      w.perFloorIsDepartments = floor.department;
    }
  }
  if (!sequence.formula(s)) return false;
  w.resultInMetric = !isEnglish(s);
  w.departmentUsed = w.coefficientIsDepartments || w.perFloorIsDepartments;
  w.departmentName = s.department != nullptr ? s.department->name : std::string();
  w.departmentOrigin = s.department != nullptr ? originText(*s.department) : std::string();
  const std::optional<double> limit = pumpLimit(s);
  w.overLimit = &sequence == &sequences::kEnginePressure && limit && w.*sequence.result > *limit;
  w.pumpLimitUsed = w.overLimit ? *limit : 0;
  return true;
}

// Performs one step that takes an input; false when the press must take the
// failure path. The last step runs the formula, shows the result and ends a
// review.
bool perform(Calculator& calculator, const Sequence& sequence, std::size_t index, bool review) {
  CalculatorState& s = calculator.state;
  const Step& step = sequence.steps[index];
  if (!takeInput(calculator, step, index, review)) return false;
  if (step.showsResult()) {
    if (!computeResult(s, sequence)) return false;
    s.working.resultText = resultText(sequence.unitWord.in(s), s.working.*sequence.result);
    calculator.show(s.working.resultText);
    endEntry(s);  // a digit now starts a new number; it never extends the result
    s.bolReview = kFalse;
    return true;
  }
  const UnitText& next =
      review && step.next == prompts::kHoseSize ? prompts::kReviewHoseSize : step.next;
  showPrompt(calculator, next.in(s));
  return true;
}

// One press of Enter in a review: two presses per input. The odd press shows
// the input as the result took it (the hose it used is selected again), and
// a digit keyed then replaces it; the even press takes the display as that
// input, as the sequence's own step does.
bool performReview(Calculator& calculator, const Sequence& sequence) {
  CalculatorState& s = calculator.state;
  const auto press = static_cast<std::size_t>(s.intStep);
  if (press < 1 || press > 2 * sequence.steps.size()) return true;
  const std::size_t index = (press - 1) / 2;
  if (press % 2 == 0) return perform(calculator, sequence, index, true);
  if (sequence.steps[index].kind == StepKind::Hose) selectHose(s, s.working.hoseTaken);
  showPrompt(calculator, s.working.inputTexts.at(index));
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
  if (!perform(calculator, *sequence, static_cast<std::size_t>(s.intStep) - 1, false)) {
    fail(calculator);
  }
}

bool canReview(const CalculatorState& s) {
  if (s.bolReview != 0 || s.bolCalculation == 0) return false;
  // Only the result itself: not a number keyed or worked out after it.
  if (s.working.resultText.empty() || s.text1 != s.working.resultText) return false;
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
