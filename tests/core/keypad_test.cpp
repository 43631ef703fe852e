#include "core/keypad.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fake_panel.h"
#include "support/key_script.h"

namespace vardel {
namespace {

using testing::FakePanel;
using testing::pressKeys;
using testing::Session;

// A calculator fresh from start-up, on the shared session.
class Keypad : public ::testing::Test {
 protected:
  // Runs the script and returns the display.
  std::string after(std::string_view script) { return session.run(script); }
  FakePanel::Message lastMessage() const {
    return panel.messages.empty() ? FakePanel::Message{} : panel.messages.back();
  }

  Session session;
  Calculator& calculator = session.calculator;
  const FakePanel& panel = session.panel;
  const CalculatorState& s = session.calculator.state;
};

// A message box as the design words it. An empty title leaves the program's
// own on the box.
FakePanel::Message designed(const char* text, const char* title = "") { return {text, title}; }

struct Chain {
  const char* script;
  const char* display;
};

// Each row starts from a freshly loaded calculator.
TEST_F(Keypad, ChainsEvaluateLeftToRight) {
  const Chain chains[] = {
      {"2 + 3", " 3"},
      {"2 + 3 *", " 5"},
      {"2 + 3 * 4 =", " 20"},
      {"5 + =", " 10"},
      {"1 / 3 =", " .333333333333333"},
      {"10 - 15 =", "-5"},
      {". 5", " .5"},
      {".5 +", " .5"},
      {"007", " 7"},
      {"0.0", " 0.0"},
      {"0.05", " 0.05"},
      {"+", " 0"},           // the brand text reads as 0
      {"9 - * 2 =", " 18"},  // a second operator only replaces the pending one
      {"6 = 2", " 2"},       // a digit after = starts afresh
      {"6 = + 2 =", " 8"},   // an operator after = carries the result on
      {"7 = =", " 7"},
      {"16 SQRT", "4"},
      {"16 SQRT 2", "42"},  // the keypad fields are untouched by the root
      {"3 X2", "9"},
      {"1.5 X2", "2.25"},
      {"200 + 10 %", "220"},
      {"200 + 10 % =", " 420"},
      {"200 - 10 %", "180"},
      {"200 * 10 %", "20"},
      {"200 / 10 %", "2000"},
      {"50 %", "0.5"},
      {"200 + 10 = %", " 210"},  // after = the percent key does nothing
      {"12 +/-", "-12"},
      {"12 +/- 3", "-123"},
      {"0 +/-", "0"},  // never "-0"
      {"2 SQRT", "1.4142135623731"},
      {"2 +/- X2", "4"},
      {"5 + 3 C", " 0"},
      {"5 + 3 C 4 =", " 4"},
      {"5 + D", " 0"},
      {"5 + D 3 =", " 8"},
      {"12 AC 5", " 5"},
      {"12 CD", "0"},
      {"12 CD 3", "03"},
      {"12 + CD 3", " 3"},
      {"1.5 CD .5", "0.5"},  // the cleared number's point is gone with it
      {"1.5 D .5", " 0.5"},
      {"1.5 C .5", " .5"},
      {"0.1 + 0.2 =", " .3"},
  };
  for (const Chain& chain : chains) {
    Session fresh;
    EXPECT_EQ(fresh.run(chain.script), chain.display) << chain.script;
    EXPECT_TRUE(fresh.panel.messages.empty()) << chain.script;
  }
}

TEST_F(Keypad, DivideByZeroChangesNothing) {
  after("8 / 0");
  const CalculatorState before = s;
  EXPECT_EQ(after("="), " 0");
  EXPECT_EQ(lastMessage(), designed("SORRY DIVIDE ZERO"));
  EXPECT_EQ(s, before);
  EXPECT_EQ(after("5 ="), " 1.6");  // the lone zero is replaced
}

TEST_F(Keypad, SecondPointIsRefused) {
  after("1.5");
  const CalculatorState before = s;
  EXPECT_EQ(after("."), " 1.5");
  EXPECT_EQ(lastMessage(), designed("ILLEGAL KELVOR"));
  EXPECT_EQ(s, before);
  EXPECT_EQ(after("+ 2.5 ="), " 4");  // an operator key allows a point again
}

TEST_F(Keypad, NegativeRootIsRefused) {
  after("9 +/-");
  EXPECT_EQ(after("SQRT"), "-9");
  EXPECT_EQ(lastMessage(), designed("Error Attempting A Negative Root", "Error"));
}

// Results beyond the range of a double are refused with a message: the
// display never shows "inf" and the state stays as it was.
TEST_F(Keypad, OverflowIsRefused) {
  const std::string big(200, '9');
  after(big + " * " + big);
  const CalculatorState before = s;
  EXPECT_EQ(after("="), " " + big);
  EXPECT_EQ(lastMessage(), designed("SORRY OVERFLOW"));
  EXPECT_EQ(s, before);

  EXPECT_EQ(after("X2"), " " + big);
  EXPECT_EQ(panel.messages.size(), 2u);

  Session other;
  other.run(std::string(400, '9') + " +");  // the keyed number itself is too large
  EXPECT_EQ(other.panel.messages.size(), 1u);
  EXPECT_EQ(other.state().intOperatorKeyed, 0);
  EXPECT_EQ(other.state().dblAccumulator, 0);
}

TEST_F(Keypad, PercentOfZeroUnderDivideIsADivideByZero) {
  after("5 / 0");
  const CalculatorState before = s;
  EXPECT_EQ(after("%"), " 0");
  EXPECT_EQ(lastMessage(), designed("SORRY DIVIDE ZERO"));
  EXPECT_EQ(s, before);
}

// The transform keys leave a display that is not one number as it is.
TEST_F(Keypad, TransformKeysIgnoreTextsThatAreNotNumbers) {
  for (const char* display : {"VORNA", " ", " .", "Nozzle PSI", "3 X 2.5", "ERROR"}) {
    for (const char* key : {"SQRT", "X2", "%", "+/-"}) {
      calculator.show(display);
      const CalculatorState before = s;
      pressKeys(calculator, key);
      EXPECT_EQ(s, before) << key << " on " << display;
    }
  }
  EXPECT_TRUE(panel.messages.empty());
}

TEST_F(Keypad, SignChangeInsideACalculationTakesTheNumberAfterTheWord) {
  calculator.state.bolCalculation = kTrue;
  calculator.show("GPM 185");
  EXPECT_EQ(after("+/-"), "-185");
  EXPECT_EQ(after("+/-"), "185");
  calculator.show(" 50");
  EXPECT_EQ(after("+/-"), "-50");
  EXPECT_EQ(after("+/-"), "50");
}

TEST_F(Keypad, DigitsReplaceAPromptAndResetThePoint) {
  calculator.show("TIP in");
  calculator.state.bolPromptShown = kTrue;
  calculator.state.intDecimalPoint = 1;  // the last value held a point
  EXPECT_EQ(after("1.125"), " 1.125");
  EXPECT_EQ(s.bolPromptShown, kFalse);

  calculator.show("Rated PSI");
  calculator.state.bolPromptShown = kTrue;
  EXPECT_EQ(after(".5"), " .5");
  EXPECT_EQ(panel.messages.size(), 0u);
}

// The keypad's states and the fields that tell them apart.
struct KeypadFields {
  std::int16_t entryStarted, operatorKeyed, pendingOperator;
};

void expectFields(const CalculatorState& s, KeypadFields f, const char* where) {
  EXPECT_EQ(s.intEntryStarted, f.entryStarted) << where;
  EXPECT_EQ(s.intOperatorKeyed, f.operatorKeyed) << where;
  EXPECT_EQ(s.intOperator, f.pendingOperator) << where;
}

TEST_F(Keypad, StateTable) {
  constexpr KeypadFields resting{0, 0, 0};
  struct Transition {
    const char* script;  // from a fresh start
    KeypadFields fields;
    double accumulator;
  };
  const Transition transitions[] = {
      {"", resting, 0},
      {"4", {1, 0, 0}, 0},                    // Resting -> Keying
      {"+", {0, 1, 0}, 0},                    // Resting -> Operator
      {"=", {0, 1, 4}, 0},                    // Resting -> Equals
      {"4 5", {1, 0, 0}, 0},                  // Keying -> Keying
      {"4 *", {0, 1, 3}, 4},                  // Keying -> Operator
      {"4 =", {0, 1, 4}, 4},                  // Keying -> Equals
      {"4 * 2", {1, 0, 3}, 4},                // Operator -> Keying
      {"4 * -", {0, 1, 1}, 4},                // Operator -> Operator
      {"4 * =", {0, 1, 4}, 16},               // Operator -> Equals
      {"4 = 2", {1, 0, 0}, 0},                // Equals -> Keying, a new chain
      {"4 = /", {0, 1, 2}, 4},                // Equals -> Operator
      {"4 = =", {0, 1, 4}, 4},                // Equals -> Equals
      {"4 C", resting, 0},                    // "C" from Keying
      {"4 * C", resting, 0},                  // "C" from Operator
      {"4 = C", resting, 0},                  // "C" from Equals
      {"4 * 2 AC", resting, 0},               // ALL CLEAR from anywhere
      {"4 * 2 SQRT X2 % +/-", {1, 0, 3}, 4},  // transforms cause no transition
  };
  for (const Transition& t : transitions) {
    Session fresh;
    fresh.run(t.script);
    expectFields(fresh.state(), t.fields, t.script);
    EXPECT_EQ(fresh.state().dblAccumulator, t.accumulator) << t.script;
  }
}

TEST_F(Keypad, KeysMoveTheFocusToEnter) {
  after("1 + 2");
  EXPECT_EQ(panel.enterFocused, 3);
  after("SQRT X2 % +/-");
  EXPECT_EQ(panel.enterFocused, 3);  // the transform keys leave the focus
  after("/ 0 =");                    // refused: the focus stays
  EXPECT_EQ(panel.enterFocused, 5);
}

}  // namespace
}  // namespace vardel
