// The pump chart: every cell is what keying its lay on the calculator shows,
// in either unit system and with a department's values, which its heading
// names; cells above the department's limit are marked.
#include "department/pump_chart.h"

#include <gtest/gtest.h>

#include <string>

#include "support/design_hoses.h"
#include "support/key_script.h"

namespace vardel::testing {
namespace {

// A value as key-script words: its digits, then the sign key for a "-".
std::string keys(const std::string& value) {
  return value.starts_with('-') ? value.substr(1) + " +/-" : value;
}

// Keys the lay of one cell, as a user would, and returns the number shown.
std::string keyed(const PumpChartLay& lay, const std::string& flow, const std::string& length,
                  const DepartmentValues* department) {
  Session session;
  session.state().department = department;
  const std::string hose = scriptWord(kDesignHoses[static_cast<std::size_t>(lay.hose)]);
  const std::string shown =
      session.run(std::string(lay.metric ? "EM " : "") + "EP " + keys(lay.nozzlePressure) +
                  " ENTER " + keys(flow) + " ENTER " + hose + " ENTER " + keys(lay.lines) +
                  " ENTER " + keys(length) + " ENTER " + keys(lay.floors) + " ENTER");
  return shown == "ERROR" ? shown : shown.substr(shown.find(' ') + 1);
}

void expectEveryCellKeyed(const PumpChartLay& lay, const DepartmentValues* department) {
  const PumpChart chart = pumpChart(lay, department, "2026-12-08");
  ASSERT_EQ(chart.cells.size(), lay.flows.size() * lay.lengths.size());
  for (std::size_t row = 0; row < lay.lengths.size(); ++row) {
    for (std::size_t column = 0; column < lay.flows.size(); ++column) {
      EXPECT_EQ(chart.cell(row, column),
                keyed(lay, lay.flows[column], lay.lengths[row], department))
          << lay.flows[column] << " through " << lay.lengths[row];
    }
  }
}

TEST(PumpChart, EveryCellIsTheLayKeyed) {
  PumpChartLay english{"", false, "100", 4, "1", "3", defaultFlows(false), defaultLengths(false)};
  expectEveryCellKeyed(english, nullptr);
  EXPECT_EQ(pumpChart(english, nullptr, "").cell(2, 3), "183");  // 150 gpm, 200 ft, 3 floors
  PumpChartLay metric{"", true, "700", 6, "2", "-1", defaultFlows(true), defaultLengths(true)};
  expectEveryCellKeyed(metric, nullptr);
}

TEST(PumpChart, NamesTheDepartmentAndMarksCellsAboveItsLimit) {
  DepartmentValues values;
  values.name = "Engine 4";
  values.hoses[4].english = 10;
  values.pumpLimit.english = 160;
  const PumpChartLay lay{"Crosslay 1", false, "100", 4, "1", "0", {"150", "250"}, {"200", "300"}};
  expectEveryCellKeyed(lay, &values);
  const PumpChart chart = pumpChart(lay, &values, "2026-12-08");
  EXPECT_EQ(chart.heading[0],
            "Pump chart: engine pressure in psi, English units; department values, Engine 4, "
            "this device");
  EXPECT_NE(chart.heading[1].find("(C 10, department value, Engine 4)"), std::string::npos);
  const std::string text = tabSeparated(chart);
  // 100 + 10 x 1.5^2 x 2 = 145; 100 + 10 x 2.5^2 x 3 = 287.5.
  EXPECT_NE(text.find("ft \\ gpm\t150\t250\n200\t145\t225 *\n300\t168 *\t288 *\n"),
            std::string::npos)
      << text;
}

TEST(PumpChart, RefusesALayItCannotKey) {
  PumpChartLay lay{"", false, "100", 4, "1", "0", {}, {"100"}};
  EXPECT_NE(checkLay(lay), "");
  lay.flows = {"1E+5"};
  EXPECT_NE(checkLay(lay), "");
  lay.flows = std::vector<std::string>(21, "150");
  EXPECT_NE(checkLay(lay), "");
  lay.flows = {"150"};
  EXPECT_EQ(checkLay(lay), "");
}

}  // namespace
}  // namespace vardel::testing
