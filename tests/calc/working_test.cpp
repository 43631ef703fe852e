// The working of a result: written from the values the result used, with
// the formula's own terms, so that it ends in the display's text. The
// worked examples check that last line for every result (support/key_script.h).
#include "calc/working.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/department_values.h"
#include "support/joined_lines.h"
#include "support/key_script.h"

namespace vardel::testing {
namespace {

TEST(Working, ShowsEveryInputTermAndSource) {
  Session session;
  session.run("EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER");
  EXPECT_EQ(joined(working(session.state())),
            "Engine pressure, English units\n"
            "Nozzle pressure 100 psi; flow 150 gpm; hose 1 3/4\" (C 15.5, published); 1 line; "
            "length 200 ft; 3 floors (4.3 psi per floor, published)\n"
            "FL = (Q/100)² × C × L/100 = 1.5² × 15.5 × 2 = 2.25 × 15.5 × 2 = 69.75 psi\n"
            "E = floors × per floor = 3 × 4.3 = 12.9 psi\n"
            "EP = FL + NP + E = 69.75 + 100 + 12.9 = 182.65 psi → PSI 183\n");
  session.run("8");
  EXPECT_FALSE(canShowWorking(session.state()));
  EXPECT_TRUE(working(session.state()).empty());
}

TEST(Working, NamesADepartmentsFiguresAndItsLimit) {
  DepartmentValues values;
  values.name = "Engine 4";
  values.hoses[6].english = 2.5;
  values.pumpLimit.english = 140;
  Session session;
  session.state().department = &values;
  session.run("EP 100 ENTER 500 ENTER H2.5 ENTER 2 ENTER 300 ENTER ENTER");
  const std::string text = joined(working(session.state()));
  EXPECT_NE(text.find("above the pump pressure limit of 140 psi (department value, Engine 4)"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("(C 2.5, department value, Engine 4)"), std::string::npos) << text;
  EXPECT_NE(text.find("q = Q/100 ÷ lines = 5 ÷ 2 = 2.5 per line"), std::string::npos) << text;
  EXPECT_NE(text.find("EP = FL + NP + E = 46.875 + 100 + 0 = 146.875 psi"), std::string::npos);
}

TEST(Working, ShowsTheDigitsThatDecideARoundingBesideAHalf) {
  // 1.5000000000000004 x 1 / 3 lies a hair above the half: "GPM 1", which
  // 15 digits, 0.5, would not explain; so every number shows every digit.
  Session session;
  EXPECT_EQ(session.run("AR 1.5000000000000004 ENTER 1 ENTER"), "GPM 1");
  EXPECT_EQ(working(session.state()).back(),
            "Q = W × L ÷ 3 = 1 × 1.5000000000000004 ÷ 3 = 1.5000000000000004 ÷ 3 = "
            "0.5000000000000001 gpm → GPM 1");
}

}  // namespace
}  // namespace vardel::testing
