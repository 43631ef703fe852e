// The desk that both panels drive the Department menu through: a flow test
// fills its own key in its own unit system, a line recalled and walked with
// F2 is saved back under its name, and nothing is written before a save or
// an import's Apply.
#include "panel/department_desk.h"

#include <gtest/gtest.h>

#include "department/department_file.h"
#include "panel/department_boxes.h"
#include "support/key_script.h"
#include "support/memory_storage.h"

namespace vardel::testing {
namespace {

using panel::Command;

struct DeskTest : ::testing::Test {
  DeskTest() { Form_Load(calculator); }

  const panel::Shown& shown(std::string_view name) const {
    for (const panel::Shown& each : desk.shown()) {
      if (each.name == name) return each;
    }
    static const panel::Shown none;
    return none;
  }
  const DepartmentValues& kept() const { return *store.values(); }

  MemoryStorage storage;
  DepartmentStore store{storage};
  FakePanel panel;
  Calculator calculator{panel};
  panel::DepartmentDesk desk{store, calculator};
};

TEST_F(DeskTest, AFlowTestFillsItsOwnKeyInItsOwnUnits) {
  desk.command(Command::DepartmentValues);
  desk.select("lstTestUnits", 1);
  desk.select("lstTestHose", 6);
  EXPECT_EQ(shown("lblTestFlow").text, "Flow, L/min");
  // 1200 L/min through two lines of 60 m of 65 mm, 700 to 600 kPa.
  for (const auto& [field, text] : {std::pair{"txtTestFlow", "1200"},
                                    {"txtTestLines", "2"},
                                    {"txtTestLength", "60"},
                                    {"txtTestStart", "700"},
                                    {"txtTestEnd", "600"}}) {
    desk.edit(field, text);
  }
  EXPECT_EQ(desk.press("cmdWorkOut"), "");
  EXPECT_EQ(shown(panel::metricField(6)).text, "4.6296");
  EXPECT_EQ(shown(panel::englishField(6)).text, "2.9327");  // follows by the conversion
  EXPECT_EQ(shown(panel::metricField(5)).text, "");
  EXPECT_EQ(storage.writes, 0);
  EXPECT_EQ(desk.press("cmdSave"), "");
  EXPECT_EQ(desk.box(), nullptr);
  EXPECT_EQ(kept().hoses[6], (UnitPair{2.9327, 4.6296}));
  EXPECT_FALSE(kept().hoses[5].isSet());
  // The test's pressures reversed: refused, and the field keeps its figure.
  desk.command(Command::DepartmentValues);
  desk.edit("txtTestFlow", "150");
  desk.edit("txtTestLength", "200");
  desk.edit("txtTestStart", "100");
  desk.edit("txtTestEnd", "130");
  EXPECT_NE(desk.press("cmdWorkOut"), "");
  EXPECT_EQ(shown(panel::englishField(4)).text, "");
}

TEST_F(DeskTest, ALineRecalledAndWalkedIsSavedBackUnderItsName) {
  desk.command(Command::SavedLines);
  EXPECT_FALSE(shown("cmdSaveLine").enabled);  // no engine pressure on the display
  desk.close();
  pressKeys(calculator, "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER ENTER");
  desk.command(Command::SavedLines);
  desk.edit("txtLineName", "Crosslay 1");
  EXPECT_EQ(desk.press("cmdSaveLine"), "");
  ASSERT_EQ(kept().lines.size(), 1u);
  desk.close();

  pressKeys(calculator, "AC");
  desk.command(Command::SavedLines);
  desk.select("lstLines", 0);
  EXPECT_EQ(desk.press("cmdRecall"), "");
  EXPECT_EQ(desk.box(), nullptr);
  EXPECT_EQ(calculator.display(), "PSI 170");
  // F2 to the length, 300 instead of 200, and on to the result.
  pressKeys(calculator, "REVIEW ENTER ENTER ENTER ENTER ENTER ENTER ENTER ENTER ENTER");
  pressKeys(calculator, "300 ENTER ENTER ENTER");
  EXPECT_EQ(calculator.display(), "PSI 205");
  desk.command(Command::SavedLines);
  EXPECT_EQ(shown("txtLineName").text, "Crosslay 1");  // the line recalled, offered
  EXPECT_EQ(desk.press("cmdSaveLine"), "");
  ASSERT_EQ(kept().lines.size(), 1u);
  EXPECT_EQ(kept().lines[0].length, "300");
  EXPECT_EQ(desk.press("cmdDelete"), "");
  EXPECT_TRUE(kept().lines.empty());
}

TEST_F(DeskTest, NothingIsWrittenBeforeASaveOrAnApply) {
  EXPECT_FALSE(desk.enabled(Command::PublishedValues));  // nothing to switch to yet
  EXPECT_TRUE(desk.checked(Command::PublishedValues));
  desk.command(Command::DepartmentValues);
  desk.edit(panel::englishField(4), "10");
  desk.close();
  DepartmentValues incoming;
  incoming.name = "Engine 4";
  incoming.hoses[4] = {10, 15.786};
  const std::string file = department_file::write(incoming);
  EXPECT_EQ(desk.import(file), "");
  EXPECT_EQ(desk.box(), &panel::importBox());
  EXPECT_FALSE(shown("lstChanges").items.empty());
  desk.press("cmdCancel");
  EXPECT_EQ(storage.writes, 0);
  EXPECT_NE(desk.import("{}"), "");
  EXPECT_EQ(desk.box(), nullptr);
  EXPECT_EQ(desk.import(file), "");
  EXPECT_EQ(desk.press("cmdApply"), "");
  EXPECT_EQ(storage.writes, 1);
  EXPECT_EQ(calculator.state.department, &kept());
  // One action each way between the department's values and the published.
  EXPECT_EQ(desk.command(Command::PublishedValues), "");
  EXPECT_EQ(calculator.state.department, nullptr);
  EXPECT_EQ(desk.command(Command::PublishedValues), "");
  EXPECT_EQ(calculator.state.department, &kept());
}

}  // namespace
}  // namespace vardel::testing
