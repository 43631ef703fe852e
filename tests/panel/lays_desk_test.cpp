// The Lays box: a lay built one discharge at a time gives the course's
// results, Show puts its pump pressure on the display with its working, a
// figure or a key that would break the lay is refused and the lay stays as
// it was, and saved lays are kept, recalled, deleted and printed on the card.
#include "panel/lays_desk.h"

#include <gtest/gtest.h>

#include "calc/working.h"
#include "panel/card_page.h"
#include "panel/lays_box.h"
#include "panel/result_mark.h"
#include "panel/values_box.h"
#include "support/desk_test.h"
#include "support/key_script.h"
#include "support/lay_builder.h"

namespace vardel::testing {
namespace {

using namespace panel::lays_box;

struct LaysTest : DeskTest {
  LaysTest() { desk.command(Command::Lays); }

  // Keys the three lines of the course into the box, as a user does.
  void keyThreeLines() {
    desk.edit(kLength, "200");
    EXPECT_EQ(desk.press(kAddDischarge), "");
    desk.select(kHose, kInch250);
    desk.edit(kLength, "250");
    desk.select(kNozzle, 1);
    desk.edit(kNozzlePressure, "50");
    desk.edit(kNozzleFigure, "1.125");
    EXPECT_EQ(desk.press(kAddDischarge), "");
    desk.edit(kLength, "100");
    desk.edit(kNozzleFigure, "95");
  }
  std::string result() { return shown(kResult).text; }
  const panel::LaysDesk& lays() { return static_cast<const panel::LaysDesk&>(*desks.open()); }
};

TEST_F(LaysTest, ThreeLinesKeyedShowTheirGatesAndThePumpPressure) {
  keyThreeLines();
  EXPECT_EQ(shown(kDischarges).items.size(), 3u);
  EXPECT_EQ(result(),
            "Pump pressure PSI 170\n"
            "A: 200 ft of 1 3/4\", fog 150 gpm at 100 psi; 150 gpm; sets the pump pressure, 170 "
            "psi\n"
            "B: 250 ft of 2 1/2\", tip 1.125 in at 50 psi; 266 gpm; gate to 85 psi\n"
            "C: 100 ft of 1 3/4\", fog 95 gpm at 100 psi; 95 gpm; gate to 114 psi\n"
            "Total flow 511 gpm");
  EXPECT_EQ(desk.press(kShow), "");
  EXPECT_EQ(desk.box(), nullptr);
  EXPECT_EQ(calculator.display(), "PSI 170");
  EXPECT_EQ(panel::resultMark(calculator.state).shown, "");
  EXPECT_TRUE(working(calculator.state).back().ends_with("= 169.75 psi → PSI 170"));
  EXPECT_FALSE(desks.enabled(Command::Review));  // F2 has no inputs to walk
  pressKeys(calculator, "8");
  EXPECT_EQ(calculator.display(), " 8");  // a digit starts a new number
  EXPECT_TRUE(working(calculator.state).empty());
}

TEST_F(LaysTest, AWyedLayWithItsMarks) {
  desk.command(Command::DepartmentValues);
  desk.edit(panel::values_box::kPumpLimitEnglish, "180");
  desk.edit(panel::values_box::kRatedFlowEnglish, "250");
  EXPECT_EQ(shown(panel::values_box::kRatedFlowMetric).text, "946.35");
  EXPECT_EQ(shown(panel::values_box::kWyeFromMetric).placeholder, "1324.9");
  EXPECT_EQ(desk.press(panel::values_box::kSave), "");
  desk.command(Command::Lays);
  desk.select(kKind, static_cast<int>(Appliance::Wye));
  desk.select(kHose, kInch250);
  desk.edit(kBranchLength, "150");
  EXPECT_EQ(desk.press(kAddBranch), "");
  EXPECT_EQ(shown(kNozzleHeading).text, "Nozzle of branch A2");
  EXPECT_TRUE(
      result().starts_with("Pump pressure PSI 188, above the pump pressure limit, above "
                           "the pump's capacity\n"))
      << result();
  EXPECT_EQ(desk.press(kShow), "");
  EXPECT_EQ(panel::resultMark(calculator.state).shown, "OVER LIMIT OVER CAPACITY");
  EXPECT_EQ(kept().ratedFlow.metric, 946.35);  // as the field shows it
}

TEST_F(LaysTest, WhatWouldBreakTheLayIsRefusedAndTheLayStays) {
  keyThreeLines();
  const Lay before = lays().lay();
  desk.edit(kLength, "-100");
  EXPECT_TRUE(result().starts_with(
      "Discharge C: the length must lie between 0 and 10000 ft.\nThe lay stays as it was:\n"
      "Pump pressure PSI 170\n"));
  EXPECT_EQ(desk.press(kShow), "Discharge C: the length must lie between 0 and 10000 ft.");
  desk.edit(kLength, "many");
  EXPECT_TRUE(result().starts_with("The length is not a number.")) << result();
  EXPECT_EQ(lays().lay(), before);
  desk.edit(kLength, "100");
  for (int i = 0; i < 3; ++i) desk.press(kAddDischarge);
  EXPECT_EQ(desk.press(kAddDischarge), "A lay has 1 to 6 discharges.");
  EXPECT_EQ(lays().lay().discharges.size(), 6u);
}

TEST_F(LaysTest, ASavedLayIsRecalledDeletedAndPrintedOnTheCard) {
  keyThreeLines();
  EXPECT_EQ(desk.press(kSaveLay), "The name of the lay is empty.");
  desk.edit(kLayName, "Three lines");
  EXPECT_EQ(desk.press(kSaveLay), "");
  ASSERT_EQ(kept().lays.size(), 1u);
  EXPECT_EQ(kept().lays[0].discharges.size(), 3u);
  desk.select(kSavedLays, 0);  // a new lay
  EXPECT_EQ(shown(kDischarges).items.size(), 1u);
  desk.select(kSavedLays, 1);
  EXPECT_EQ(shown(kDischarges).items.size(), 3u);
  EXPECT_EQ(shown(kLayName).text, "Three lines");

  const std::optional<panel::PrintedPage> card = desks.open()->page();
  ASSERT_TRUE(card);
  EXPECT_EQ(card->heading.front(), "Pump panel card: " + kept().name);
  const auto has = [&card](const std::string& cell) {
    return std::find(card->cells.begin(), card->cells.end(), cell) != card->cells.end();
  };
  EXPECT_TRUE(has("Three lines") && has("170 psi") && has("gate to 85 psi"));

  EXPECT_EQ(desk.press(kDeleteLay), "");
  EXPECT_TRUE(kept().lays.empty());
  EXPECT_FALSE(desks.open()->page());  // nothing left to print
}

}  // namespace
}  // namespace vardel::testing
