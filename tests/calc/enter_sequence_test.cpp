// The Enter key's guided sequence: the prompts step by step, what arming and
// each kind of step leave in the state, and the step counter.
#include "calc/enter_sequence.h"

#include <gtest/gtest.h>

#include "support/key_script.h"

namespace vardel::testing {
namespace {

TEST(EnterSequence, PromptsEachInputInTheUnitsInForce) {
  walk({{"EP", "Nozzle PSI"},
        {"100 ENTER", "FLOW GPM"},
        {"150 ENTER", "HOSE SIZE"},
        {"H1.75", "1.75"},
        {"ENTER", "SIAMESE"},
        {"ENTER", "Length ft"},
        {"200 ENTER", "FLOORS"},
        {"ENTER", "PSI 170"}});
  walk({{"EM EP", "Nozzle kPa"},
        {"700 ENTER", "FLOW LPM"},
        {"600 ENTER", "HOSE SIZE"},
        {"H1.75", "45"},
        {"ENTER", "SIAMESE"},
        {"ENTER", "Length m"},
        {"60 ENTER", "FLOORS"}});
  walk({{"FL", "FLOW GPM"}, {"EM FL", "FLOW LPM"}});
  walk({{"FRFOG", "Nozzle PSI"}, {"50 ENTER", "Rated GPM"}, {"150 ENTER", "Rated PSI"}});
  walk({{"EM FRFOG", "Nozzle kPa"}, {"50 ENTER", "Rated LPM"}, {"150 ENTER", "Rated kPa"}});
  walk({{"FRST 50 ENTER", "TIP in"}, {"EM RFST 50 ENTER", "TIP mm"}});
  walk({{"RFFOG 50 ENTER", "FLOW GPM"}, {"EM RFFOG 50 ENTER", "FLOW LPM"}});
  walk({{"AR", "Length ft"},
        {"30 ENTER", "Width ft"},
        {"EM AR", "Length m"},
        {"30 ENTER", "Width m"}});
}

TEST(EnterSequence, FunctionKeyArmsItsCalculationFromRest) {
  Session session;
  session.run("AR 30 ENTER EM");  // mid-sequence, units switched
  const int focusBefore = session.panel.enterFocused;
  session.run("FRFOG");

  CalculatorState armed;
  armed.strEorM = armed.txtEorM = "M";
  armed.bolCalculation = armed.bolFRFogNozzle = kTrue;
  armed.bolPromptShown = kTrue;
  armed.text1 = "Nozzle kPa";
  EXPECT_EQ(session.state(), armed);  // length gone, bolMeasurementChange cleared
  EXPECT_EQ(session.panel.enterFocused, focusBefore + 1);
}

TEST(EnterSequence, PromptStepsFocusEnterAndLetTheNextDigitReplaceThePrompt) {
  Session session;
  session.run("FRFOG 50");
  const int focusBefore = session.panel.enterFocused;
  session.run("ENTER");
  EXPECT_EQ(session.panel.enterFocused, focusBefore + 1);
  EXPECT_EQ(session.state().bolPromptShown, kTrue);
  EXPECT_EQ(session.run("1.5"), " 1.5");  // the point is accepted again
}

TEST(EnterSequence, ResultStepLeavesFocusAndPromptFlagAlone) {
  Session session;
  session.run("AR 30 ENTER 50");
  const int focusBefore = session.panel.enterFocused;
  EXPECT_EQ(session.run("ENTER"), "GPM 500");
  EXPECT_EQ(session.panel.enterFocused, focusBefore);
  EXPECT_EQ(session.state().bolPromptShown, kFalse);
  EXPECT_EQ(session.state().bolAppRate, kTrue);
  EXPECT_EQ(session.state().working.dblAppRateResult, 500);
}

TEST(EnterSequence, FailureDoesNotMoveTheFocus) {
  Session session;
  session.run("AR");
  const int focusBefore = session.panel.enterFocused;
  EXPECT_EQ(session.run("ENTER"), "ERROR");
  EXPECT_EQ(session.panel.enterFocused, focusBefore);
  EXPECT_TRUE(session.panel.messages.empty());
}

TEST(EnterSequence, StoresFlowsAndLengthsInHundredsAndFloorsAsElevation) {
  Session session;
  session.run("EM EP 700 ENTER 600 ENTER H1.75 ENTER 2 ENTER 60 ENTER 2 ENTER");
  const WorkingValues& w = session.state().working;
  EXPECT_EQ(w.dblEnginePressureNozzlePressure, 700);
  EXPECT_EQ(w.dblEnginePressureFlow, 6);
  EXPECT_EQ(w.dblEnginePressureCoefficient, 24.6);
  EXPECT_EQ(w.dblEnginePressureLines, 2);
  EXPECT_EQ(w.dblEnginePressureLength, 0.6);
  EXPECT_EQ(w.dblEnginePressureElevation, 2 * 29.65);
}

TEST(EnterSequence, UnitSwitchMidwayRewordsLaterStepsAndConvertsNothing) {
  Session session;
  session.run("FL 150 ENTER");
  EXPECT_EQ(session.run("EM"), "HOSE SIZE");  // the shown prompt keeps its words
  EXPECT_EQ(session.run("H1.75"), "45");
  EXPECT_EQ(session.run("ENTER ENTER"), "Length m");
  EXPECT_EQ(session.state().working.dblFrictionLossFlow, 1.5);
  EXPECT_EQ(session.run("60 ENTER"), "kPa 33");  // 24.6 x 1.5^2 x 0.6 = 33.21
}

TEST(EnterSequence, WithNothingArmedEnterOnlyCounts) {
  Session session;
  session.run("12 ENTER ENTER");
  EXPECT_EQ(session.calculator.display(), " 12");
  EXPECT_EQ(session.state().intStep, 2);
}

TEST(EnterSequence, TheStepCounterRunningOverIsAFailure) {
  Session session;
  session.run("AR 30 ENTER 50 ENTER EM");
  for (int press = 2; press < 32767; ++press) cmdEnter_Click(session.calculator);
  EXPECT_EQ(session.state().intStep, 32767);
  EXPECT_EQ(session.calculator.display(), "GPM 500");

  EXPECT_EQ(session.run("ENTER"), "ERROR");
  CalculatorState rest;
  rest.strEorM = rest.txtEorM = "M";
  rest.text1 = "ERROR";
  EXPECT_EQ(session.state(), rest);
}

TEST(HoseKeys, WithNothingArmedOnlyShowErrorAndFocusEnter) {
  Session session;
  session.run("12.5");
  CalculatorState before = session.state();
  const int focusBefore = session.panel.enterFocused;
  EXPECT_EQ(session.run("H1.75"), "ERROR");
  before.text1 = "ERROR";
  before.intEntryStarted = before.intDecimalPoint = 0;  // the 12.5 is no longer being keyed
  EXPECT_EQ(session.state(), before);
  EXPECT_EQ(session.panel.enterFocused, focusBefore + 1);
}

TEST(HoseKeys, RecordTheHoseWithoutMovingTheSequence) {
  Session session;
  session.run("EP 100 ENTER");
  const std::int16_t step = session.state().intStep;
  session.run("EM H1.5");
  EXPECT_EQ(session.calculator.display(), "38");
  EXPECT_EQ(session.state().dblHoseCoefficient, 38);
  EXPECT_EQ(session.state().strHoseSize, "1.5");
  EXPECT_EQ(session.state().intStep, step);
  EXPECT_EQ(session.state().bolPromptShown, kTrue);
  EXPECT_EQ(session.run("EM H1.5"), "1.50");
  EXPECT_EQ(session.run("150"), " 150");  // replaces the hose text
}

}  // namespace
}  // namespace vardel::testing
