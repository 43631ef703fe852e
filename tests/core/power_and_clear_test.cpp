#include <gtest/gtest.h>

#include <algorithm>

#include "core/clear_keys.h"
#include "core/power_keys.h"
#include "core/unit_switch.h"
#include "support/fake_panel.h"
#include "support/key_script.h"

namespace vardel {
namespace {

using testing::FakePanel;
using testing::pressKeys;

// A state with every field away from its resting value.
CalculatorState busyState() {
  CalculatorState s;
  s.bolCalculation = s.bolEnginePressure = s.bolFrictionLoss = kTrue;
  s.bolFRStraightTip = s.bolFRFogNozzle = s.bolRFStraightTip = kTrue;
  s.bolRFFogNozzle = s.bolAppRate = s.bolReview = s.bolMeasurementChange = kTrue;
  s.intDecimalPoint = s.intOperatorKeyed = s.intEntryStarted = 1;
  s.intOperator = 3;
  s.dblAccumulator = 42;
  s.strEorM = "M";
  s.txtEorM = "M";
  s.dblHoseCoefficient = 24.6;
  s.strHoseSize = "1.75";
  s.intStep = 5;
  s.bolPromptShown = kTrue;
  s.working.dblFrictionLossFlow = 1.5;
  s.working.dblEnginePressureElevation = 12.9;
  s.working.dblAppRateResult = 500;
  s.text1 = " 123";
  return s;
}

TEST(StartUp, RestsInEnglishAndEnablesTheFunctionKeys) {
  FakePanel panel;
  Calculator calculator{panel};
  calculator.state = busyState();
  calculator.state.text1 = "VORNA";
  Form_Load(calculator);

  CalculatorState expected;
  expected.bolMeasurementChange = kTrue;  // start-up leaves it alone
  expected.intStep = 5;                   // and the step counter
  expected.txtEorM = "M";                 // and the indicator
  EXPECT_EQ(calculator.state, expected);
  EXPECT_TRUE(calculator.functionKeysEnabled);
  EXPECT_TRUE(calculator.enterIsDefault);
  EXPECT_EQ(calculator.displayShows, 0u);  // nothing written: the display keeps its text

  // The eight keys the panel designs disabled, and no other.
  const KeyKind functionKeys[] = {KeyKind::EnginePressure, KeyKind::FrictionLoss,
                                  KeyKind::StraightTipFR,  KeyKind::FogNozzleFR,
                                  KeyKind::StraightTipRF,  KeyKind::FogNozzleRF,
                                  KeyKind::ApplicRate,     KeyKind::EnglishMetric};
  int enabled = 0;
  for (int kind = 0; kind <= static_cast<int>(KeyKind::Review); ++kind) {
    if (enabledByStartUp(static_cast<KeyKind>(kind))) ++enabled;
  }
  EXPECT_EQ(enabled, 8);
  for (const KeyKind kind : functionKeys) EXPECT_TRUE(enabledByStartUp(kind));
}

TEST(PowerKeys, OnEnablesAndOffCloses) {
  FakePanel panel;
  Calculator calculator{panel};
  CmdOn_Click(calculator);
  EXPECT_TRUE(calculator.functionKeysEnabled);
  EXPECT_EQ(calculator.state, CalculatorState{});
  cmdOff_Click(calculator);
  EXPECT_EQ(panel.closed, 1);
}

TEST(AllClear, RestsEverythingButTheUnitSystem) {
  FakePanel panel;
  Calculator calculator{panel};
  calculator.state = busyState();
  const int focusBefore = panel.enterFocused;
  cmdAllClear_Click(calculator);

  CalculatorState expected;
  expected.strEorM = "M";
  expected.txtEorM = "M";
  EXPECT_EQ(calculator.state, expected);
  EXPECT_EQ(panel.enterFocused, focusBefore);
}

// The clear keys reach only the keypad and the display: a friction loss
// interrupted by any of them in the middle of its length still ends with the
// values, hose and unit system keyed before (24.6 x 1.5 x 1.5 x 2 = 110.7).
// Their effect on the keypad is in the keypad's chains and state table.
TEST(ClearKeys, LeaveAGuidedCalculationRunning) {
  for (const char* clear : {"C", "D", "CD"}) {
    testing::Session session;
    session.run("EM FL 150 ENTER H1.75 ENTER ENTER 9");
    session.run(clear);
    EXPECT_EQ(session.run("200 ENTER"), "kPa 111") << clear;
  }
}

TEST(UnitSwitch, TogglesTheIndicatorAndNothingElse) {
  FakePanel panel;
  Calculator calculator{panel};
  Form_Load(calculator);
  pressKeys(calculator, "12 +");
  CalculatorState expected = calculator.state;

  cmdEnglishMetric_Click(calculator);
  expected.strEorM = expected.txtEorM = "M";
  expected.bolMeasurementChange = kTrue;
  EXPECT_EQ(calculator.state, expected);

  cmdEnglishMetric_Click(calculator);
  EXPECT_EQ(calculator.state.strEorM, "E");
  EXPECT_EQ(calculator.state.txtEorM, "E");

  cmdEnglishMetric_Click(calculator);
  cmdAllClear_Click(calculator);
  EXPECT_EQ(calculator.state.strEorM, "M");
  EXPECT_EQ(calculator.state.txtEorM, "M");
  EXPECT_EQ(calculator.state.bolMeasurementChange, kFalse);
}

TEST(UnitSwitch, AnIndicatorOtherThanEGoesToEnglish) {
  FakePanel panel;
  Calculator calculator{panel};
  calculator.state.txtEorM = "?";
  cmdEnglishMetric_Click(calculator);
  EXPECT_EQ(calculator.state.strEorM, "E");
  EXPECT_EQ(calculator.state.txtEorM, "E");
}

}  // namespace
}  // namespace vardel
