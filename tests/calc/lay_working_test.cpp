// The working of a lay: every term with its numbers, from the result's own
// values, ending in the figures the result shows; and the summary the box,
// the screen reader and the card take.
#include "calc/lay_working.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/department_values.h"
#include "calc/lay_summary.h"
#include "support/joined_lines.h"
#include "support/lay_builder.h"

namespace vardel::testing {
namespace {

std::vector<std::string> workingOf(const Lay& l, const DepartmentValues* department = nullptr) {
  const LayFigures figures = layFigures(department, l.metric);
  return layWorking(l, figures, layResult(l, figures));
}

TEST(LayWorking, ShowsEveryTermOfAWyedLay) {
  EXPECT_EQ(joined(workingOf(wyedLay(false))),
            "Lay, English units\n"
            "A: 200 ft of 2 1/2\" (C 2, published), 1 line to a wye; 2 branches\n"
            "A1: 150 ft of 1 3/4\" (C 15.5, published), 1 line; fog nozzle 150 gpm at 100 psi\n"
            "A1: FL = (Q/100)² × C × L/100 = 1.5² × 15.5 × 1.5 = 2.25 × 15.5 × 1.5 = 52.3125 psi\n"
            "A1: at the wye = FL + NP + E = 52.3125 + 100 + 0 = 152.3125 psi\n"
            "A2: 150 ft of 1 3/4\" (C 15.5, published), 1 line; fog nozzle 150 gpm at 100 psi\n"
            "A2: FL = (Q/100)² × C × L/100 = 1.5² × 15.5 × 1.5 = 2.25 × 15.5 × 1.5 = 52.3125 psi\n"
            "A2: at the wye = FL + NP + E = 52.3125 + 100 + 0 = 152.3125 psi\n"
            "A supply: Q = 150 + 150 = 300 gpm\n"
            "A supply: FL = (Q/100)² × C × L/100 = 3² × 2 × 2 = 9 × 2 × 2 = 36 psi\n"
            "A wye: AL = 0 psi, below 350 gpm (published)\n"
            "A1: at the pump = at the wye + AL + FL supply + E supply + E wye = "
            "152.3125 + 0 + 36 + 0 + 0 = 188.3125 psi\n"
            "A2: at the pump = at the wye + AL + FL supply + E supply + E wye = "
            "152.3125 + 0 + 36 + 0 + 0 = 188.3125 psi\n"
            "Pump pressure = the highest, A1 = 188.3125 psi → PSI 188\n");
}

TEST(LayWorking, NamesTheFiguresUsedAndWhoseTheyAre) {
  DepartmentValues department = ratedPump(1000, 20);
  department.perFloor.english = 5;
  department.pumpLimit.english = 180;
  const Lay standpipe = lay(false, {appliance(Appliance::Standpipe, hose(kInch250, 100, 2),
                                              {fog(hose(kInch175, 150, 1, height(-10)), 150, 100),
                                               tip(hose(kInch175, 50), 0.875, 50)},
                                              floors(5))});
  const std::string text = joined(workingOf(standpipe, &department));
  for (const char* part : {
           "; above the pump pressure limit of 180 psi (department value, Engine 4)",
           "A standpipe: E = 5 floors × 5 psi per floor (department value, Engine 4) = 25 psi",
           "A1: E = -10 ft × 0.434 psi per ft = -4.34 psi",
           "A supply: q = Q/100 ÷ lines = ",
           "A standpipe: AL = 25 psi, at any flow (published)",
           "A2: Q = d² × 29.71 × √P = 0.875² × 29.71 × √50 = ",
           "Gate A2 at the standpipe to ",
           "Capacity: rated 1000 gpm at 150 psi net; net pressure = ",
       }) {
    EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
  }
}

TEST(LayWorking, EndsInTheFiguresShown) {
  for (const bool metric : {false, true}) {
    for (const Lay& l : {wyedLay(metric), threeLines(metric)}) {
      const DepartmentValues rated = ratedPump(1500);
      const LayFigures figures = layFigures(&rated, metric);
      const LayResult r = layResult(l, figures);
      const std::vector<std::string> lines = layWorking(l, figures, r);
      EXPECT_TRUE(lines.back().ends_with(" → " + r.text)) << lines.back();
      for (std::size_t i = 0; i < r.discharges.size(); ++i) {
        if (r.discharges[i].governs) continue;
        const std::string gate = " → " + roundedText(r.discharges[i].atPump);
        EXPECT_NE(joined(lines).find(gate + "\n"), std::string::npos) << gate;
      }
    }
  }
  EXPECT_TRUE(workingOf(lay(false, {})).empty());
}

TEST(LaySummary, ListsEachDischargeWithItsGateAndTheTotalFlow) {
  const Lay l = threeLines(false);
  EXPECT_EQ(joined(summaryLines(laySummary(l, resultOf(l)))),
            "A: 200 ft of 1 3/4\", fog 150 gpm at 100 psi; 150 gpm; sets the pump pressure, 170 "
            "psi\n"
            "B: 250 ft of 2 1/2\", tip 1.125 in at 50 psi; 266 gpm; gate to 85 psi\n"
            "C: 100 ft of 1 3/4\", fog 95 gpm at 100 psi; 95 gpm; gate to 114 psi\n"
            "Total flow 511 gpm\n");
}

}  // namespace
}  // namespace vardel::testing
