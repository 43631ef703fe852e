// The review walk: after a result, REVIEW (F2) shows each stored input in
// turn; Enter keeps it or takes a newly keyed value, and the last input gives
// the result again. Anywhere else REVIEW does nothing at all.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calc/enter_sequence.h"
#include "support/key_script.h"

namespace vardel::testing {
namespace {

constexpr const char* kFrictionLoss = "FL 150 ENTER H1.75 ENTER ENTER 200 ENTER";  // PSI 70
constexpr const char* kEnginePressure =
    "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER";  // PSI 183

// The presses that walk `inputs` inputs without changing any: for each, one
// Enter shows the stored value and the next keeps it.
std::string keepAll(int inputs) {
  std::string keys;
  for (int i = 0; i < inputs; ++i) keys += " ENTER ENTER";
  return keys;
}

struct Unchanged {
  std::string calculation;
  int inputs;
};

void PrintTo(const Unchanged& u, std::ostream* os) { *os << '"' << u.calculation << '"'; }

class WalkedUnchanged : public ::testing::TestWithParam<Unchanged> {};

TEST_P(WalkedUnchanged, GivesTheSameResultFromTheSameValues) {
  Session session;
  const std::string result = session.run(GetParam().calculation);
  const WorkingValues before = session.state().working;
  EXPECT_EQ(session.run("REVIEW" + keepAll(GetParam().inputs)), result);
  EXPECT_EQ(session.state().working, before);
  EXPECT_EQ(session.state().bolReview, kFalse);
  EXPECT_EQ(session.run("ENTER ENTER"), result);                          // the walk is over
  EXPECT_EQ(session.run("REVIEW" + keepAll(GetParam().inputs)), result);  // and can be walked again
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EveryCalculation, WalkedUnchanged, ::testing::Values(
    Unchanged{kFrictionLoss, 4},
    Unchanged{kEnginePressure, 6},  // the 3 floors are shown and taken as floors
    Unchanged{"EM EP 700 ENTER 600 ENTER H1.75 ENTER ENTER 60 ENTER 2 ENTER", 6},
    Unchanged{"FL 500 ENTER H2.5 ENTER 2 ENTER 300 ENTER", 4},
    Unchanged{"FRFOG 50 ENTER 150 ENTER 100 ENTER", 3},
    Unchanged{"AR 30 ENTER CD ENTER", 2}));  // a stored 0 is shown "0" and kept
// clang-format on

class ReviewExample : public ::testing::TestWithParam<Example> {};

TEST_P(ReviewExample, ShowsTheExpectedDisplay) { expectDisplay(GetParam()); }

// Each input of a walk is two presses, written as a pair: "ENTER ENTER" keeps
// the value, "ENTER 300 ENTER" keys 300 instead.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Changes, ReviewExample, ::testing::Values(
    // 15.5 x 1.5^2 x 3 = 104.625.
    Example{std::string(kFrictionLoss) + " REVIEW  ENTER ENTER  ENTER ENTER  ENTER ENTER  ENTER 300 ENTER",
            "PSI 105"},
    // Another hose at the hose input: 2 x 1.5^2 x 2 = 9.
    Example{std::string(kFrictionLoss) + " REVIEW  ENTER ENTER  ENTER H2.5 ENTER  ENTER ENTER  ENTER ENTER",
            "PSI 9"},
    // 5 floors instead of 3: 100 + 69.75 + 21.5.
    Example{std::string(kEnginePressure) + " REVIEW" + keepAll(5) + "  ENTER 5 ENTER", "PSI 191"},
    // Units switched before the walk: the numbers are taken as keyed, in
    // metric units, the hose with its metric coefficient: 24.6 x 1.5^2 x 2.
    Example{std::string(kFrictionLoss) + " EM REVIEW" + keepAll(4), "kPa 111"},
    // Failures end as in the sequence.
    Example{std::string(kFrictionLoss) + " REVIEW  ENTER 0 ENTER", "ERROR"},
    Example{std::string(kFrictionLoss) + " REVIEW  ENTER ENTER  ENTER ENTER  ENTER H3X2.5 ENTER",
            "ERROR"},
    // A number keyed at the hose input is not a hose, and is not ignored.
    Example{std::string(kFrictionLoss) + " REVIEW  ENTER ENTER  ENTER 2.5 ENTER", "ERROR"},
    // In metric units the hose key shows "65", which the hose input takes: 3.17 x 1.5^2 x 2.
    Example{"EM " + std::string(kFrictionLoss) + " REVIEW  ENTER ENTER  ENTER H2.5 ENTER" + keepAll(2),
            "kPa 14"}));
// clang-format on

TEST(Review, ShowsEachStoredInputThenTheNextPrompt) {
  walk({{kEnginePressure, "PSI 183"},
        {"REVIEW", "Nozzle PSI"},
        {"ENTER", "100"},
        {"ENTER", "FLOW GPM"},
        {"ENTER", "150"},  // stored in hundreds, shown as keyed
        {"ENTER", "Hose Size"},
        {"ENTER", "1.75"},
        {"ENTER", "SIAMESE"},
        {"ENTER", "1"},  // nothing keyed was one line
        {"ENTER", "Length ft"},
        {"ENTER", "200"},
        {"250", " 250"},  // a digit replaces the value shown
        {"ENTER", "FLOORS"},
        {"ENTER", "3"},          // the floors keyed, not their pressure
        {"ENTER", "PSI 200"}});  // 100 + 15.5 x 1.5^2 x 2.5 + 12.9 = 200.0875
}

TEST(Review, StartsAtRestAndADigitAlwaysReplacesTheValueShown) {
  Session session;
  session.run("FL 150 ENTER H1.75 ENTER ENTER 200 * ENTER");  // PSI 70, with "*" pending
  const int focusBefore = session.panel.enterFocused;
  EXPECT_EQ(session.run("EM REVIEW"), "FLOW LPM");
  EXPECT_EQ(session.state().intOperator, 0);
  EXPECT_EQ(session.panel.enterFocused, focusBefore + 1);
  session.run("5");  // keyed at the prompt, then Enter shows the stored flow
  EXPECT_EQ(session.run("ENTER"), "150");
  EXPECT_EQ(session.run("2"), " 2");  // not "1502"
}

TEST(Review, DoesNothingWithoutAResultOnDisplay) {
  // Start-up, the keypad only, the middle of a sequence, after ERROR, during a walk.
  for (const char* script : {"", "12 + 3 =", "FL 150 ENTER H1.75 ENTER", "FL ENTER",
                             "FL 150 ENTER H1.75 ENTER ENTER 200 ENTER REVIEW ENTER"}) {
    Session session;
    session.run(script);
    EXPECT_FALSE(canReview(session.state())) << script;
    const CalculatorState before = session.state();
    const int focusBefore = session.panel.enterFocused;
    session.run("REVIEW");
    EXPECT_EQ(session.state(), before) << script;
    EXPECT_EQ(session.panel.enterFocused, focusBefore) << script;
  }
}

}  // namespace
}  // namespace vardel::testing
