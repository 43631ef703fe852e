#include "calc/keying.h"

#include "calc/press.h"
#include "core/power_keys.h"

namespace vardel {
namespace {

class UnseenPanel : public Panel {
 public:
  void focusEnter() override {}
  void showMessage(const std::string&, const std::string&) override {}
  void closeWindow() override {}
};

}  // namespace

void keyNumber(Calculator& calculator, std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  for (const char c : text) {
    press(calculator, digitKey(c == '.' ? kPointIndex : static_cast<std::int16_t>(c - '0')));
  }
  if (negative) press(calculator, Key{KeyKind::PosNeg});
}

CalculatorState keyedOnItsOwn(const DepartmentValues* department,
                              const std::function<void(Calculator&)>& keys) {
  UnseenPanel panel;
  Calculator calculator(panel);
  Form_Load(calculator);
  calculator.state.department = department;
  keys(calculator);
  return calculator.state;
}

}  // namespace vardel
