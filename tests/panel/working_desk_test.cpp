// The desk of the working and the pump chart, which both panels drive: the
// working only while a result shows; the chart box takes a saved line's lay,
// follows a change of units with that system's lists, refuses a lay it
// cannot key with its keys switched off; the paper follows the locale.
#include "panel/working_desk.h"

#include <gtest/gtest.h>

#include "department/department_file.h"
#include "panel/working_boxes.h"
#include "support/key_script.h"
#include "support/memory_storage.h"

namespace vardel::testing {
namespace {

using panel::Command;
using panel::Paper;

struct WorkingDeskTest : ::testing::Test {
  WorkingDeskTest() { Form_Load(calculator); }

  const panel::Shown& shown(std::string_view name) const {
    for (const panel::Shown& each : desk.shown()) {
      if (each.name == name) return each;
    }
    static const panel::Shown none;
    return none;
  }

  MemoryStorage storage;
  DepartmentStore store{storage};
  FakePanel panel;
  Calculator calculator{panel};
  panel::WorkingDesk desk{calculator, &store, Paper::A4, [] { return std::string("2026-12-08"); }};
};

TEST_F(WorkingDeskTest, TheWorkingOnlyWhileAResultShows) {
  pressKeys(calculator, "FL 150 ENTER H1.75 ENTER ENTER 200");
  EXPECT_FALSE(desk.enabled(Command::ShowWorking));
  desk.command(Command::ShowWorking);
  EXPECT_EQ(desk.box(), nullptr);
  pressKeys(calculator, "ENTER");
  ASSERT_TRUE(desk.enabled(Command::ShowWorking));
  desk.command(Command::ShowWorking);
  ASSERT_EQ(desk.box(), &panel::workingBox());
  const std::string& text = shown("txtWorking").text;
  EXPECT_TRUE(text.ends_with("→ PSI 70")) << text;
  EXPECT_EQ(desk.copied(), text);
  desk.press("cmdClose");
  EXPECT_EQ(desk.box(), nullptr);
}

TEST_F(WorkingDeskTest, TheChartTakesASavedLineAndRefusesALayItCannotKey) {
  store.change([](DepartmentValues& values) {
    values.name = "Engine 4";
    values.lines.push_back({"High-rise", true, "700", "600", 6, "2", "60", "10"});
    return std::string();
  });
  store.applyTo(calculator);
  desk.command(Command::PumpChart);
  ASSERT_EQ(desk.box(), &panel::chartBox());
  EXPECT_EQ(shown("lstLay").items, (std::vector<std::string>{"Typed in", "High-rise"}));
  EXPECT_EQ(shown("lstUnits").selected, 0);  // the calculator's units
  EXPECT_EQ(shown("txtFlows").text, "95 100 125 150 175 200 225 250");
  // 8 flows and 9 lengths, each with its heading.
  EXPECT_EQ(shown("grdChart").columns, 9);
  EXPECT_EQ(shown("grdChart").items.size(), 9u * 10u);

  desk.select("lstLay", 1);
  EXPECT_EQ(shown("lstUnits").selected, 1);
  EXPECT_EQ(shown("lblFlows").text, "Flows, L/min");
  EXPECT_EQ(shown("txtFloors").text, "10");
  EXPECT_NE(shown("txtHeading").text.find("Lay High-rise: nozzle pressure 700 kPa"),
            std::string::npos)
      << shown("txtHeading").text;
  EXPECT_NE(desk.copied().find("m \\ L/min\t360\t380"), std::string::npos);

  // A typed change makes the lay a typed one; a value the keypad cannot key
  // leaves no chart to copy or print.
  desk.edit("txtFlows", "360 x");
  EXPECT_EQ(shown("lstLay").selected, 0);
  EXPECT_EQ(desk.chart(), nullptr);
  EXPECT_EQ(shown("txtHeading").text, "\"x\" is not a number as the keypad keys it.");
  EXPECT_TRUE(shown("grdChart").items.empty());
  EXPECT_FALSE(shown("cmdPrint").enabled);
  EXPECT_EQ(desk.copied(), "");
  // Back to English units: that system's lists and nozzle pressure.
  desk.select("lstUnits", 0);
  ASSERT_NE(desk.chart(), nullptr);
  EXPECT_EQ(shown("txtNozzle").text, "100");
  EXPECT_EQ(shown("txtLengths").text, "100 150 200 250 300 350 400 450 500");
  EXPECT_TRUE(shown("cmdPrint").enabled);
  desk.select("lstPaper", 1);
  EXPECT_EQ(desk.paper(), Paper::Letter);
  // The lay stays for the next opening.
  desk.close();
  desk.command(Command::PumpChart);
  EXPECT_EQ(shown("txtFloors").text, "10");
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
