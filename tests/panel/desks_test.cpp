// The desks that both panels drive the Department menu through: a flow test
// fills its own key in its own unit system, a line recalled and walked with
// F2 is saved back under its name, and nothing is written before a save or
// an import's Apply.
#include "panel/desks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "department/department_file.h"
#include "department/file_link.h"
#include "panel/import_box.h"
#include "panel/lines_box.h"
#include "panel/link_box.h"
#include "panel/menus.h"
#include "panel/values_box.h"
#include "support/desk_test.h"
#include "support/key_script.h"

namespace vardel::testing {
namespace {

using panel::Command;
using panel::designName;
using namespace panel::values_box;
using namespace panel::lines_box;
using panel::import_box::kApply;
using panel::import_box::kChanges;

// Alt and a letter choose one item: no two items of a menu share theirs.
TEST(Menus, EachItemHasAnAccessKeyOfItsOwn) {
  for (const panel::Menu* menu : panel::menuBar(true)) {
    std::set<char> keys;
    for (const panel::MenuItem& item : menu->items) {
      const std::size_t at = item.caption.find('&');
      ASSERT_LT(at + 1, item.caption.size()) << item.caption;
      const auto key =
          static_cast<char>(std::tolower(static_cast<unsigned char>(item.caption[at + 1])));
      EXPECT_TRUE(keys.insert(key).second) << item.caption;
    }
  }
}

TEST_F(DeskTest, AFlowTestFillsItsOwnKeyInItsOwnUnits) {
  desk.command(Command::DepartmentValues);
  desk.select(kTestUnits, 1);
  desk.select(kTestHose, 6);
  EXPECT_EQ(shown(kTestFlowLabel).text, "Flow, L/min");
  // 1200 L/min through two lines of 60 m of 65 mm, 700 to 600 kPa.
  for (const auto& [field, text] : {std::pair{kTestFlow, "1200"},
                                    {kTestLines, "2"},
                                    {kTestLength, "60"},
                                    {kTestStart, "700"},
                                    {kTestEnd, "600"}}) {
    desk.edit(field, text);
  }
  EXPECT_EQ(desk.press(kWorkOut), "");
  EXPECT_EQ(shown(designName(kMetric, 6)).text, "4.6296");
  EXPECT_EQ(shown(designName(kEnglish, 6)).text, "2.9327");  // follows by the conversion
  EXPECT_EQ(shown(designName(kMetric, 5)).text, "");
  EXPECT_EQ(storage.writes, 0);
  EXPECT_EQ(desk.press(kSave), "");
  EXPECT_EQ(desk.box(), nullptr);
  EXPECT_EQ(kept().hoses[6], (UnitPair{2.9327, 4.6296}));
  EXPECT_FALSE(kept().hoses[5].isSet());
  // The test's pressures reversed: refused, and the field keeps its figure.
  desk.command(Command::DepartmentValues);
  desk.edit(kTestFlow, "150");
  desk.edit(kTestLength, "200");
  desk.edit(kTestStart, "100");
  desk.edit(kTestEnd, "130");
  EXPECT_NE(desk.press(kWorkOut), "");
  EXPECT_EQ(shown(designName(kEnglish, 4)).text, "");
}

TEST_F(DeskTest, ALineRecalledAndWalkedIsSavedBackUnderItsName) {
  desk.command(Command::SavedLines);
  EXPECT_FALSE(shown(kSaveLine).enabled);  // no engine pressure on the display
  desk.close();
  pressKeys(calculator, "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER ENTER");
  desk.command(Command::SavedLines);
  desk.edit(kLineName, "Crosslay 1");
  EXPECT_EQ(desk.press(kSaveLine), "");
  ASSERT_EQ(kept().lines.size(), 1u);
  desk.close();

  pressKeys(calculator, "AC");
  desk.command(Command::SavedLines);
  desk.select(kLines, 0);
  EXPECT_EQ(desk.press(kRecall), "");
  EXPECT_EQ(desk.box(), nullptr);
  EXPECT_EQ(calculator.display(), "PSI 170");
  // F2 to the length, 300 instead of 200, and on to the result.
  pressKeys(calculator, "REVIEW ENTER ENTER ENTER ENTER ENTER ENTER ENTER ENTER ENTER");
  pressKeys(calculator, "300 ENTER ENTER ENTER");
  EXPECT_EQ(calculator.display(), "PSI 205");
  desk.command(Command::SavedLines);
  EXPECT_EQ(shown(kLineName).text, "Crosslay 1");  // the line recalled, offered
  EXPECT_EQ(desk.press(kSaveLine), "");
  ASSERT_EQ(kept().lines.size(), 1u);
  EXPECT_EQ(kept().lines[0].length, "300");
  EXPECT_EQ(desk.press(kDelete), "");
  EXPECT_TRUE(kept().lines.empty());
}

TEST_F(DeskTest, NothingIsWrittenBeforeASaveOrAnApply) {
  EXPECT_FALSE(desk.enabled(Command::PublishedValues));  // nothing to switch to yet
  EXPECT_TRUE(desk.checked(Command::PublishedValues));
  desk.command(Command::DepartmentValues);
  desk.edit(designName(kEnglish, 4), "10");
  desk.close();
  DepartmentValues incoming;
  incoming.name = "Engine 4";
  incoming.hoses[4] = {10, 15.786};
  const std::string file = department_file::write(incoming);
  EXPECT_EQ(desk.import(file), "");
  EXPECT_EQ(desk.box(), &panel::importBox());
  EXPECT_FALSE(shown(kChanges).items.empty());
  desk.press(panel::import_box::kCancel);
  EXPECT_EQ(storage.writes, 0);
  EXPECT_NE(desk.import("{}"), "");
  EXPECT_EQ(desk.box(), nullptr);
  EXPECT_EQ(desk.import(file), "");
  EXPECT_EQ(desk.press(kApply), "");
  EXPECT_EQ(storage.writes, 1);
  EXPECT_EQ(calculator.state.department, &kept());
  // One action each way between the department's values and the published.
  EXPECT_EQ(desk.command(Command::PublishedValues), "");
  EXPECT_EQ(calculator.state.department, nullptr);
  EXPECT_EQ(desk.command(Command::PublishedValues), "");
  EXPECT_EQ(calculator.state.department, &kept());
}

// A newer issue opens its box once, taken only with Apply; a link made of
// the values in force imports them after the same box.
TEST_F(DeskTest, ANewerIssueIsShownOnceAndALinkCarriesTheValues) {
  DepartmentValues values;
  values.name = "Engine 4";
  values.issued = "2026-11-01";
  values.hoses[4] = {12, 18.94};
  storage.text = department_file::write(values);
  values.issued = "2026-12-01";
  values.hoses[4] = {10, 15.786};
  issued.text = department_file::write(values);
  EXPECT_EQ(desks.start(), "");
  EXPECT_EQ(desk.box(), &panel::importBox());
  EXPECT_EQ(shown(kChanges).items.at(0), "What this device has now is kept aside, not lost");
  desk.close();
  EXPECT_EQ(desks.reload(), "");
  EXPECT_EQ(desk.box(), nullptr);  // shown once; the menu's item shows it again
  EXPECT_EQ(calculator.state.department->hoses[4].english, 12);
  ASSERT_TRUE(desk.enabled(Command::TakeIssue));
  EXPECT_EQ(desk.command(Command::TakeIssue), "");
  EXPECT_NE(desk.press(kApply).find("kept in set aside"), std::string::npos);
  EXPECT_EQ(calculator.state.department->origin, Origin::Issued);
  EXPECT_FALSE(desk.enabled(Command::TakeIssue));

  EXPECT_EQ(desk.command(Command::ExportLink), "");
  const std::string link = shown(panel::link_box::kLink).text;
  ASSERT_TRUE(link.starts_with("https://example.org/vardel/#department=")) << link;
  const file_link::Opened opened = file_link::fileOf(link.substr(link.find('#')));
  ASSERT_TRUE(opened.file);
  EXPECT_EQ(department_file::read(*opened.file).values->issued, "2026-12-01");
  EXPECT_EQ(desks.linkOpened(link.substr(link.find('#'))), "");
  EXPECT_EQ(desk.box(), &panel::importBox());
  EXPECT_NE(desks.linkOpened("#department=eyJ9A"), "");
}

// A box the page has no markup for could not open in the browser.
TEST_F(DeskTest, ThePageDrawsTheBoxOfEveryDesk) {
  std::vector<const panel::Dialog*> boxes;
  for (const panel::BoxDesk* each : desks.all()) boxes.push_back(&each->design());
  EXPECT_EQ(boxes, panel::Desks::designs());
}

}  // namespace
}  // namespace vardel::testing
