// Checking answers: the tolerance at its edges in both unit systems, the
// answer offered as a number or as a result of the calculator, the verdict's
// texts, a run through a set to its score, and the worksheet's two pages.
#include "practice/check.h"

#include <gtest/gtest.h>

#include "practice/practice_run.h"
#include "practice/worksheet.h"

namespace vardel::practice {
namespace {

TEST(PracticeCheck, ToleranceHoldsAtItsEdgesAndNoFurther) {
  EXPECT_TRUE(withinTolerance(178, 183, 5));
  EXPECT_TRUE(withinTolerance(188, 183, 5));
  EXPECT_FALSE(withinTolerance(177.9, 183, 5));
  EXPECT_FALSE(withinTolerance(188.000001, 183, 5));
  EXPECT_TRUE(withinTolerance(1256, 1291, 35));
  EXPECT_FALSE(withinTolerance(1326.5, 1291, 35));
  // Decimal edges, which a comparison of doubles gets wrong (183.3 - 183 > 0.3).
  EXPECT_TRUE(withinTolerance(183.3, 183, 0.3));
  EXPECT_TRUE(withinTolerance(182.7, 183, 0.3));
  EXPECT_FALSE(withinTolerance(1e300, 183, 5));
  EXPECT_EQ(defaultTolerance(false).of(Quantity::Pressure), 5);
  EXPECT_EQ(defaultTolerance(true).of(Quantity::Pressure), 35);
}

Problem pumpPressure() {
  Problem p;
  p.kind = ProblemKind::EnginePressure;
  p.answer = {"PSI 183", 183, {"Engine pressure, English units", "EP = ... → PSI 183"}};
  return p;
}

TEST(PracticeCheck, TakesANumberOrAResultInTheAnswersUnit) {
  const Problem p = pumpPressure();
  EXPECT_EQ(offeredAnswer(" 180", p), 180);
  EXPECT_EQ(offeredAnswer("PSI 186", p), 186);
  EXPECT_EQ(offeredAnswer("-5", p), -5);
  EXPECT_EQ(offeredAnswer("GPM 183", p), std::nullopt);
  EXPECT_EQ(offeredAnswer("FLOW GPM", p), std::nullopt);
  EXPECT_EQ(offeredAnswer("VORNA", p), std::nullopt);
  EXPECT_EQ(offeredAnswer("3 X 2.5", p), std::nullopt);
}

TEST(PracticeCheck, AMissShowsTheAnswerAndItsWorking) {
  const Problem p = pumpPressure();
  const Tolerance t = defaultTolerance(false);
  const Verdict right = check(p, " 180", t);
  EXPECT_EQ(right.outcome, Outcome::Right);
  EXPECT_EQ(right.lines, std::vector<std::string>{"RIGHT. The answer is PSI 183; you keyed 180."});
  const Verdict wrong = check(p, " 170", t);
  EXPECT_EQ(wrong.outcome, Outcome::Wrong);
  EXPECT_EQ(wrong.lines,
            (std::vector<std::string>{
                "WRONG. The answer is PSI 183; you keyed 170, and within 5 psi counts.",
                "Engine pressure, English units", "EP = ... → PSI 183"}));
  EXPECT_EQ(check(p, "Nozzle PSI", t).outcome, Outcome::NoAnswer);
}

TEST(PracticeRun, TenAnswersThenTheScore) {
  PracticeRun run(drawSet(4127, {}), defaultTolerance(false));
  EXPECT_EQ(run.answer("FLOW GPM").outcome, Outcome::NoAnswer);
  EXPECT_EQ(run.index(), 0u);
  for (std::size_t i = 0; i < kProblemsPerSet; ++i) {
    const double answer = run.set().problems[i].answer.value;
    EXPECT_NE(run.answer(" " + std::to_string(i % 2 == 0 ? answer : answer + 50)).outcome,
              Outcome::NoAnswer);
  }
  EXPECT_TRUE(run.finished());
  EXPECT_EQ(run.lines().back(), "Set 4127: 5 of 10 right.");
}

TEST(PracticeWorksheet, ProblemsOnePageTheKeyWithItsWorkingTheOther) {
  const PracticeSet set = drawSet(4127, {});
  const Worksheet sheet = worksheet(set, defaultTolerance(false), "2026-12-08");
  EXPECT_EQ(sheet.problems.title, "Practice set 4127");
  EXPECT_EQ(sheet.key.title, "Answer key: practice set 4127");
  ASSERT_EQ(sheet.key.items.size(), kProblemsPerSet);
  for (std::size_t i = 0; i < kProblemsPerSet; ++i) {
    EXPECT_EQ(sheet.problems.items[i].text, set.problems[i].text);
    EXPECT_EQ(sheet.key.items[i].text, set.problems[i].answer.shown);
    EXPECT_EQ(sheet.key.items[i].working, set.problems[i].answer.working);
  }
  EXPECT_EQ(sheet.problems.heading[1],
            "An answer within 5 psi, 5 gpm or 5 lb of the key counts as right.");
}

}  // namespace
}  // namespace vardel::practice
