#include "practice/keying.h"

#include <optional>
#include <string_view>

#include "calc/keying.h"
#include "calc/lay_display.h"
#include "calc/press.h"
#include "calc/unit_text.h"
#include "calc/working.h"
#include "core/number_text.h"

namespace vardel::practice {
namespace {

// The number of a result text: what follows its unit word.
double resultNumber(std::string_view shown) {
  const std::size_t blank = shown.find_last_of(' ');
  if (blank == std::string_view::npos) return 0;
  return readStrict(shown.substr(blank + 1)).value_or(0);
}

}  // namespace

std::string keyProblem(Calculator& calculator, const Problem& problem) {
  if (problem.lay) return showLay(calculator, *problem.lay);
  if (problem.metric == isEnglish(calculator.state)) {
    press(calculator, Key{KeyKind::EnglishMetric});
  }
  if (const std::optional<KeyKind> key = functionKey(problem.kind)) press(calculator, Key{*key});
  for (const Entry& entry : problem.entries) {
    if (calculator.display() == kErrorText) return {};
    if (entry.hose >= 0) {
      press(calculator, Key{KeyKind::Hose, entry.hose});
    } else {
      keyNumber(calculator, entry.value);
    }
    press(calculator, Key{KeyKind::Enter});
  }
  return {};
}

Answer answerOf(const Problem& problem, const DepartmentValues* department) {
  std::string refused;
  const CalculatorState state = keyedOnItsOwn(
      department, [&problem, &refused](Calculator& c) { refused = keyProblem(c, problem); });
  Answer answer;
  if (!refused.empty()) {
    answer.shown = kErrorText;
    return answer;
  }
  answer.shown = state.text1;
  answer.value = resultNumber(answer.shown);
  answer.working = working(state);
  return answer;
}

}  // namespace vardel::practice
