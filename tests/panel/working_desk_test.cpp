// The desks of the working and the pump chart, which both panels drive: the
// working only while a result shows; the chart box takes a saved line's lay,
// follows a change of units with that system's lists, refuses a lay it
// cannot key with its keys switched off; the paper follows the locale.
#include "panel/working_desk.h"

#include <gtest/gtest.h>

#include "department/department_file.h"
#include "panel/chart_box.h"
#include "panel/chart_desk.h"
#include "panel/working_box.h"
#include "support/key_script.h"
#include "support/memory_storage.h"

namespace vardel::testing {
namespace {

using panel::Paper;
using namespace panel::chart_box;

struct WorkingDeskTest : ::testing::Test {
  WorkingDeskTest() { Form_Load(calculator); }

  const panel::Shown& shown(std::string_view name) const {
    for (const panel::BoxDesk* desk : {static_cast<const panel::BoxDesk*>(&working),
                                       static_cast<const panel::BoxDesk*>(&chart)}) {
      for (const panel::Shown& each : desk->shown()) {
        if (each.name == name) return each;
      }
    }
    static const panel::Shown none;
    return none;
  }

  MemoryStorage storage;
  DepartmentStore store{storage};
  FakePanel panel;
  Calculator calculator{panel};
  panel::WorkingDesk working{calculator};
  panel::ChartDesk chart{calculator, &store, Paper::A4, [] { return std::string("2026-12-08"); }};
};

TEST_F(WorkingDeskTest, TheWorkingOnlyWhileAResultShows) {
  pressKeys(calculator, "FL 150 ENTER H1.75 ENTER ENTER 200");
  EXPECT_FALSE(working.canOpen());
  working.openBox();
  EXPECT_EQ(working.box(), nullptr);
  pressKeys(calculator, "ENTER");
  ASSERT_TRUE(working.canOpen());
  working.openBox();
  ASSERT_EQ(working.box(), &panel::workingBox());
  const std::string& text = shown(panel::working_box::kWorking).text;
  EXPECT_TRUE(text.ends_with("→ PSI 70")) << text;
  EXPECT_EQ(working.copied(), text);
  working.press(panel::working_box::kClose);
  EXPECT_EQ(working.box(), nullptr);
}

TEST_F(WorkingDeskTest, TheChartTakesASavedLineAndRefusesALayItCannotKey) {
  store.change([](DepartmentValues& values) {
    values.name = "Engine 4";
    values.lines.push_back({"High-rise", true, "700", "600", 6, "2", "60", "10"});
    return std::string();
  });
  store.applyTo(calculator);
  chart.openBox();
  ASSERT_EQ(chart.box(), &panel::chartBox());
  EXPECT_EQ(shown(kLay).items, (std::vector<std::string>{"Typed in", "High-rise"}));
  EXPECT_EQ(shown(kUnits).selected, 0);  // the calculator's units
  EXPECT_EQ(shown(kFlows).text, "95 100 125 150 175 200 225 250");
  // 8 flows and 9 lengths, each with its heading.
  EXPECT_EQ(shown(kChart).columns, 9);
  EXPECT_EQ(shown(kChart).items.size(), 9u * 10u);

  chart.select(kLay, 1);
  EXPECT_EQ(shown(kUnits).selected, 1);
  EXPECT_EQ(shown(kFlowsLabel).text, "Flows, L/min");
  EXPECT_EQ(shown(kFloors).text, "10");
  EXPECT_NE(shown(kHeading).text.find("Lay High-rise: nozzle pressure 700 kPa"), std::string::npos)
      << shown(kHeading).text;
  EXPECT_NE(chart.copied().find("m \\ L/min\t360\t380"), std::string::npos);

  // A typed change makes the lay a typed one; a value the keypad cannot key
  // leaves no chart to copy or print.
  chart.edit(kFlows, "360 x");
  EXPECT_EQ(shown(kLay).selected, 0);
  EXPECT_EQ(chart.chart(), nullptr);
  EXPECT_EQ(shown(kHeading).text, "\"x\" is not a number as the keypad keys it.");
  EXPECT_TRUE(shown(kChart).items.empty());
  EXPECT_FALSE(shown(kPrint).enabled);
  EXPECT_EQ(chart.copied(), "");
  // Back to English units: that system's lists and nozzle pressure.
  chart.select(kUnits, 0);
  ASSERT_NE(chart.chart(), nullptr);
  EXPECT_EQ(shown(kNozzle).text, "100");
  EXPECT_EQ(shown(kLengths).text, "100 150 200 250 300 350 400 450 500");
  EXPECT_TRUE(shown(kPrint).enabled);
  chart.select(kPaper, 1);
  EXPECT_EQ(chart.paper(), Paper::Letter);
  // The lay stays for the next opening.
  chart.close();
  chart.openBox();
  EXPECT_EQ(shown(kFloors).text, "10");
}

TEST(Paper, FollowsTheLocalesRegion) {
  for (const auto& [locale, paper] : {std::pair{"en_US.UTF-8", Paper::Letter},
                                      {"es-MX", Paper::Letter},
                                      {"fr_CA@euro", Paper::Letter},
                                      {"en_GB.UTF-8", Paper::A4},
                                      {"de", Paper::A4},
                                      {"C", Paper::A4},
                                      {"zh-Hant-TW", Paper::A4}}) {
    EXPECT_EQ(panel::paperOf(locale), paper) << locale;
  }
}

}  // namespace
}  // namespace vardel::testing
