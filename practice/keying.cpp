#include "practice/keying.h"

#include <optional>
#include <string_view>

#include "calc/press.h"
#include "calc/unit_text.h"
#include "calc/working.h"
#include "core/number_text.h"
#include "core/power_keys.h"

namespace vardel::practice {
namespace {

// A panel that shows nothing: a problem is keyed to learn its answer.
class UnseenPanel : public Panel {
 public:
  void focusEnter() override {}
  void showMessage(const std::string&, const std::string&) override {}
  void closeWindow() override {}
};

// A number as the keypad keys it: its digits and point, then the sign key
// for a "-".
void keyNumber(Calculator& calculator, std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  for (const char c : text) {
    press(calculator, digitKey(c == '.' ? kPointIndex : static_cast<std::int16_t>(c - '0')));
  }
  if (negative) press(calculator, Key{KeyKind::PosNeg});
}

// The number of a result text: what follows its unit word.
double resultNumber(std::string_view shown) {
  const std::size_t blank = shown.find(' ');
  if (blank == std::string_view::npos) return 0;
  return readStrict(shown.substr(blank + 1)).value_or(0);
}

}  // namespace

void keyProblem(Calculator& calculator, const Problem& problem) {
  if (problem.metric == isEnglish(calculator.state)) {
    press(calculator, Key{KeyKind::EnglishMetric});
  }
  press(calculator, Key{functionKey(problem.kind)});
  for (const Entry& entry : problem.entries) {
    if (calculator.display() == kErrorText) return;
    if (entry.hose >= 0) {
      press(calculator, Key{KeyKind::Hose, entry.hose});
    } else {
      keyNumber(calculator, entry.value);
    }
    press(calculator, Key{KeyKind::Enter});
  }
}

Answer answerOf(const Problem& problem, const DepartmentValues* department) {
  UnseenPanel panel;
  Calculator calculator(panel);
  Form_Load(calculator);
  calculator.state.department = department;
  keyProblem(calculator, problem);
  Answer answer;
  answer.shown = calculator.display();
  answer.value = resultNumber(answer.shown);
  answer.working = working(calculator.state);
  return answer;
}

}  // namespace vardel::practice
