// Practice over a calculator: Enter hands in the display as the answer when
// no calculation is in progress, a calculation worked on the way runs as
// ever, and leaving puts back the calculator as practice found it.
#include "practice/practice_mode.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/key_script.h"

namespace vardel::testing {
namespace {

struct Practising : Session {
  // The keys of `script`, each ENTER offered to practice first, as the panels do.
  void keys(const std::string& script) {
    std::istringstream words(script);
    for (std::string word; words >> word;) {
      if (word != "ENTER" || !mode.enter(calculator)) run(word);
    }
  }
  std::size_t standing() const { return mode.run()->index(); }

  practice::PracticeMode mode;
};

TEST(PracticeMode, EnterHandsInTheDisplayOrAResultWorkedOnTheCalculator) {
  Practising p;
  p.mode.start(p.calculator, 4127, practice::defaultTolerance(false));
  // 200 ft of 1 1/2" at 125 gpm, worked on the calculator, then handed in.
  p.keys("FL 125 ENTER H1.5 ENTER ENTER 200 ENTER");
  EXPECT_EQ(p.calculator.display(), "PSI 75");
  EXPECT_EQ(p.standing(), 0u);
  p.keys("ENTER");
  EXPECT_EQ(p.standing(), 1u);
  EXPECT_EQ(p.mode.run()->score().right, 1u);
  EXPECT_EQ(p.calculator.display(), "VORNA");
  p.keys("ENTER");  // no answer on the display: the problem stands
  EXPECT_EQ(p.standing(), 1u);
  p.keys("176 ENTER");  // 171 within 5
  EXPECT_EQ(p.standing(), 2u);
  EXPECT_EQ(p.mode.run()->score().right, 2u);
}

TEST(PracticeMode, LeavesNoTraceOnARealResult) {
  Practising p;
  p.keys("EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER");
  ASSERT_EQ(p.calculator.display(), "PSI 183");
  const CalculatorState before = p.state();
  const std::vector<std::string> workingBefore = working(before);
  p.mode.start(p.calculator, 4127, practice::defaultTolerance(false));
  p.keys("FL 125 ENTER H1.5 ENTER ENTER 200 ENTER ENTER 12 ENTER EM AR 3 ENTER 4 ENTER");
  p.mode.leave(p.calculator);
  EXPECT_FALSE(p.mode.on());
  EXPECT_EQ(p.state(), before);
  EXPECT_EQ(working(p.state()), workingBefore);
  EXPECT_EQ(p.run("REVIEW"), "Nozzle PSI");  // F2 walks the result as before
}

}  // namespace
}  // namespace vardel::testing
