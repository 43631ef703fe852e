// A department's own figures: worked out from a flow test, used by exactly
// the key they belong to, marked on every result they go into, and saved
// lines that recall exactly what keying them gives.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "department/flow_test.h"
#include "department/rules.h"
#include "department/saved_lines.h"
#include "panel/result_mark.h"
#include "support/design_hoses.h"
#include "support/key_script.h"

namespace vardel::testing {
namespace {

// A session with `values` in force.
struct DepartmentSession : Session {
  explicit DepartmentSession(const DepartmentValues& values) : values_(values) {
    state().department = &values_;
  }
  DepartmentValues values_;
};

TEST(FlowTest, ItsCoefficientGivesBackTheMeasuredLossOnTheSameLay) {
  // 150 gpm through 200 ft of 1 3/4" from 130 psi to 100 psi, the nozzle
  // 10 ft up: a loss of 130 - 100 - 10 x 0.4335 = 25.66 psi.
  const FlowTestResult english = workOutCoefficient({false, 150, 1, 200, 130, 100, 10}, 4);
  ASSERT_EQ(english.problem, "");
  EXPECT_NEAR(english.loss, 25.665, 0.001);
  DepartmentValues values;
  values.hoses[4].english = english.coefficient;
  EXPECT_EQ(DepartmentSession(values).run("FL 150 ENTER H1.75 ENTER ENTER 200 ENTER"), "PSI 26");

  // 1200 L/min through two lines of 60 m of 65 mm, 700 to 600 kPa, no rise.
  const FlowTestResult metric = workOutCoefficient({true, 1200, 2, 60, 700, 600, 0}, 6);
  ASSERT_EQ(metric.problem, "");
  values.hoses[6].metric = metric.coefficient;
  EXPECT_EQ(DepartmentSession(values).run("EM FL 1200 ENTER H2.5 ENTER 2 ENTER 60 ENTER"),
            "kPa 100");
}

TEST(FlowTest, RefusesWhatMakesNoSense) {
  EXPECT_NE(workOutCoefficient({false, 150, 1, 200, 100, 130, 0}, 4).problem, "");  // reversed
  EXPECT_NE(workOutCoefficient({false, 150, 1, 200, 100, 100, 0}, 4).problem, "");  // no loss
  EXPECT_NE(workOutCoefficient({false, 150, 1, 200, 600, 0, 0}, 4).problem, "");    // no real hose
  EXPECT_NE(workOutCoefficient({false, 0, 1, 200, 130, 100, 0}, 4).problem, "");    // no flow
  EXPECT_NE(workOutCoefficient({false, 150, 1.5, 200, 130, 100, 0}, 4).problem, "");
  EXPECT_NE(checkCoefficient(12, false, 15.5), "");  // the 1 3/4" figure on the 5" key
  EXPECT_EQ(checkCoefficient(4, false, 10), "");
  EXPECT_NEAR(conversion::coefficient(1, true), 1.5786, 0.0001);
}

// A table shifted by one row, or a figure read from the wrong unit system,
// changes the wrong key: every key is keyed with one key's figure doubled.
TEST(DepartmentValues, AKeysCoefficientChangesThatKeyOnly) {
  for (std::size_t changed = 0; changed < std::size(kDesignHoses); ++changed) {
    DepartmentValues values;
    values.hoses[changed] = {kDesignHoses[changed].englishCoefficient * 2,
                             kDesignHoses[changed].metricCoefficient * 3};
    for (std::size_t key = 0; key < std::size(kDesignHoses); ++key) {
      const std::string lay = " ENTER " + scriptWord(kDesignHoses[key]) + " ENTER ENTER 1000 ENTER";
      const double factor = key == changed ? 2 : 1;
      EXPECT_EQ(DepartmentSession(values).run("FL 1000" + lay),
                "PSI " + std::to_string(
                             std::lround(kDesignHoses[key].englishCoefficient * 1000 * factor)))
          << "key " << key << ", changed " << changed;
      EXPECT_EQ(DepartmentSession(values).run("EM FL 1000" + lay),
                "kPa " + std::to_string(std::lround(kDesignHoses[key].metricCoefficient * 1000 *
                                                    (key == changed ? 3 : 1))))
          << "key " << key << ", changed " << changed;
    }
  }
}

TEST(DepartmentValues, EveryResultTheyGoIntoIsMarked) {
  DepartmentValues values;
  values.hoses[4].english = 10;
  values.perFloor.english = 5;
  values.pumpLimit.english = 150;
  DepartmentSession session(values);
  EXPECT_EQ(session.run("EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER"), "PSI 160");
  EXPECT_TRUE(session.state().working.departmentUsed);  // 100 + 45 + 15
  EXPECT_TRUE(session.state().working.overLimit);
  EXPECT_EQ(panel::resultMark(session.state()).shown, "DEPT OVER LIMIT");
  session.run("5");  // the mark goes with the result
  EXPECT_EQ(panel::resultMark(session.state()).shown, "");
  EXPECT_EQ(session.run("FL 150 ENTER H2.5 ENTER ENTER 200 ENTER"), "PSI 9");
  EXPECT_FALSE(session.state().working.departmentUsed);  // the 2 1/2" figure is published
  EXPECT_FALSE(session.state().working.overLimit);       // a friction loss is no pump pressure
  EXPECT_EQ(session.run("EM FL 150 ENTER H1.75 ENTER ENTER 200 ENTER"), "kPa 111");
  EXPECT_FALSE(session.state().working.departmentUsed);  // no metric figure was set
}

TEST(SavedLines, RecallingALineEqualsKeyingIt) {
  const SavedLine line{"Crosslay 1", true, "700", "600", 4, "1", "60", "-2"};
  // Recalled from English units: the units switch first, as keying would.
  Session recalled, keyed;
  const std::string keys = "EM EP 700 ENTER 600 ENTER H1.75 ENTER 1 ENTER 60 ENTER 2 +/- ENTER";
  recallLine(recalled.calculator, line);
  keyed.run(keys);
  EXPECT_EQ(recalled.calculator.display(), "kPa 1172");
  EXPECT_EQ(recalled.state(), keyed.state());
  // Every step of its review shows and takes the same.
  for (int press = 0; press <= 12; ++press) {
    recalled.run(press == 0 ? "REVIEW" : "ENTER");
    keyed.run(press == 0 ? "REVIEW" : "ENTER");
    EXPECT_EQ(recalled.state(), keyed.state()) << "review press " << press;
  }
  const std::optional<SavedLine> saved = lineOfResult(recalled.state(), line.name);
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, line);
}

TEST(SavedLines, ALineThatCannotBeRecalledIsRefused) {
  const DepartmentValues none;
  EXPECT_EQ(checkLine({"A", false, "100", "150", 4, "1", "200", "0"}, none), "");
  EXPECT_NE(checkLine({"A", false, "100", "1E+5", 4, "1", "200", "0"}, none), "");
  EXPECT_NE(checkLine({"A", false, "0", "150", 4, "1", "200", "0"}, none), "");  // ERROR
  EXPECT_NE(checkLine({"A", false, "100", "150", 14, "1", "200", "0"}, none), "");
}

}  // namespace
}  // namespace vardel::testing
