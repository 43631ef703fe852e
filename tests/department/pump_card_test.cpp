// The pump panel card: every saved line with what recalling it shows, every
// lay with its pump pressure and the gate of each other line.
#include "department/pump_card.h"

#include <gtest/gtest.h>

#include "calc/lay_summary.h"
#include "department/saved_lines.h"
#include "support/key_script.h"
#include "support/lay_builder.h"

namespace vardel::testing {
namespace {

TEST(PumpCard, HoldsEverySavedLineAndLay) {
  DepartmentValues department = ratedPump(1000);
  department.pumpLimit = {160, 1100};
  department.lines = {{"Crosslay", false, "100", "150", kInch175, "1", "200", "0"},
                      {"Metric", true, "700", "600", kInch175, "1", "60", "2"}};
  department.lays = {threeLines(false), wyedLay(true)};
  department.lays[0].name = "Three lines";
  department.lays[1].name = "Wye";
  const PumpCard card = pumpCard(department, &department, "2026-12-08");
  EXPECT_EQ(card.title, "Pump panel card: Engine 4");
  ASSERT_EQ(card.entries.size(), 4u);
  for (std::size_t i = 0; i < 2; ++i) {
    Session session;
    session.state().department = &department;
    recallLine(session.calculator, department.lines[i]);
    const std::string& shown = session.calculator.display();
    const std::string number = shown.substr(shown.find(' ') + 1);
    EXPECT_EQ(card.entries[i].pumpPressure, number + (i == 0 ? " psi" : " kPa"));
    EXPECT_EQ(card.entries[i].overLimit, session.state().working.overLimit);
  }
  const CardEntry& three = card.entries[2];
  EXPECT_TRUE(three.lay);
  EXPECT_EQ(three.name, "Three lines");
  EXPECT_EQ(three.pumpPressure, "170 psi");
  EXPECT_TRUE(three.overLimit);
  EXPECT_EQ(
      summaryLines(three.rows),
      summaryLines(laySummary(department.lays[0], resultOf(department.lays[0], &department))));
  EXPECT_EQ(card.entries[3].pumpPressure, "1307 kPa");
  EXPECT_TRUE(card.footer.back().ends_with(", 2026-12-08"));
  // With the published values in force.
  EXPECT_FALSE(pumpCard(department, nullptr, "2026-12-08").entries[2].overLimit);
}

}  // namespace
}  // namespace vardel::testing
