#include "practice/practice_mode.h"

#include <utility>

#include "calc/press.h"
#include "calc/sequences.h"

namespace vardel::practice {

bool calculationInProgress(const CalculatorState& state) {
  if (state.bolReview != 0) return true;
  const Sequence* sequence = sequences::armedSequence(state);
  return sequence != nullptr && state.intStep >= 0 &&
         static_cast<std::size_t>(state.intStep) < sequence->steps.size();
}

void PracticeMode::start(Calculator& calculator, std::uint32_t number, const Tolerance& tolerance) {
  if (!on()) kept_ = calculator.state;
  const CalculatorState& s = calculator.state;
  run_.emplace(drawSet(number, {.metric = !isEnglish(s), .department = s.department}), tolerance);
  press(calculator, Key{KeyKind::AllClear});
}

void PracticeMode::leave(Calculator& calculator) {
  if (!on()) return;
  run_.reset();
  CalculatorState kept = std::move(kept_);
  kept.department = calculator.state.department;
  std::string display = kept.text1;
  calculator.state = std::move(kept);
  calculator.show(std::move(display));  // counted, so that the panels draw and say it
}

bool PracticeMode::enter(Calculator& calculator) {
  if (!on() || calculationInProgress(calculator.state)) return false;
  const Verdict verdict = run_->answer(calculator.display());
  if (verdict.outcome != Outcome::NoAnswer) press(calculator, Key{KeyKind::AllClear});
  return true;
}

}  // namespace vardel::practice
