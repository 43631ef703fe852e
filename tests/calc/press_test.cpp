// The one dispatcher: keys outside their arrays are ignored, and typed
// characters reach the same actions as the keys.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "support/key_script.h"

namespace vardel::testing {
namespace {

TEST(Press, IndexesOutsideTheirArraysDoNothing) {
  const Key outside[] = {
      {KeyKind::Digit, -1}, {KeyKind::Digit, 11}, {KeyKind::Operator, -1}, {KeyKind::Operator, 5},
      {KeyKind::Hose, -1},  {KeyKind::Hose, 14},  {KeyKind::Digit, 32767}, {KeyKind::Hose, -32768},
  };
  for (const Key key : outside) {
    Session session;
    session.run("FL 15");
    const CalculatorState before = session.state();
    const int focusBefore = session.panel.enterFocused;
    press(session.calculator, key);
    EXPECT_EQ(session.state(), before) << static_cast<int>(key.kind) << " " << key.index;
    EXPECT_EQ(session.panel.enterFocused, focusBefore);
  }
}

void type(Calculator& calculator, std::string_view characters) {
  for (const char c : characters) {
    std::int16_t code = static_cast<unsigned char>(c);
    Form_KeyPress(calculator, code);
  }
}

TEST(Press, TypedCharactersRunACalculation) {
  Session session;
  session.run("AR");
  type(session.calculator, "20\r4x0\r");  // "x" is ignored
  EXPECT_EQ(session.calculator.display(), "GPM 267");
  type(session.calculator, "c");
  EXPECT_EQ(session.calculator.display(), " 0");
}

TEST(Press, PowerAndUnitKeysReachThePanel) {
  Session session;
  session.run("EM");
  EXPECT_EQ(session.state().txtEorM, "M");
  EXPECT_EQ(session.state().strEorM, "M");
  session.calculator.functionKeysEnabled = false;
  press(session.calculator, {KeyKind::On});
  EXPECT_TRUE(session.calculator.functionKeysEnabled);
  press(session.calculator, {KeyKind::Off});
  EXPECT_EQ(session.panel.closed, 1);
}

}  // namespace
}  // namespace vardel::testing
