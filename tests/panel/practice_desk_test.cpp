// Practice through the one dispatcher both panels drive: the box starts a
// set by its number, Enter at the panel hands in answers, the mark and the
// title say practice while it is on, the strip leaves it, and the worksheet
// prints the problems on one page and every answer's working on the next.
#include "panel/practice_desk.h"

#include <gtest/gtest.h>

#include "panel/desks.h"
#include "panel/practice_box.h"
#include "support/key_script.h"
#include "support/memory_storage.h"

namespace vardel::testing {
namespace {

using panel::Command;
using namespace panel::practice_box;

struct PracticeTest : ::testing::Test {
  PracticeTest() { Form_Load(calculator); }

  panel::BoxDesk& box() { return *desks.open(); }
  const panel::Shown& shown(std::string_view name) {
    for (const panel::Shown& each : box().shown()) {
      if (each.name == name) return each;
    }
    static const panel::Shown none;
    return none;
  }
  std::string strip() const {
    const auto& strip = desks.practice().strip();
    return strip.empty() ? std::string() : strip.front().text;
  }
  // Keys pressed at the panel, through the dispatcher as the front ends do.
  void keys(std::string_view script) {
    const std::optional<std::vector<Key>> pressed = parseKeys(script);
    ASSERT_TRUE(pressed) << script;
    for (const Key key : *pressed) desks.press(key);
  }

  MemoryStorage storage;
  DepartmentStore store{storage};
  FakePanel panel;
  Calculator calculator{panel};
  panel::Desks desks{calculator, &store, panel::Paper::A4,
                     [] { return std::string("2026-12-09"); }};
};

TEST_F(PracticeTest, StartsASetByItsNumberAndLeavesInOneAction) {
  keys("EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER");
  const CalculatorState before = calculator.state;
  desks.command(Command::Practice);
  box().edit(kSet, "41x");
  EXPECT_FALSE(shown(kStart).enabled);
  EXPECT_EQ(shown(kAbout).text, "A set number is a whole number from 1 to 9999.");
  box().edit(kSet, "4127");
  EXPECT_NE(shown(kAbout).text.find("within 5 psi, 5 gpm or 5 lb"), std::string::npos);
  EXPECT_EQ(box().press(kStart), "");
  EXPECT_EQ(desks.open(), nullptr);
  EXPECT_EQ(desks.title(), "Practice: set 4127");
  EXPECT_EQ(desks.mark().shown, "PRACTICE");
  EXPECT_EQ(desks.mark().spoken, "practice");
  EXPECT_EQ(strip(), "Problem 1 of 10\n200 ft of 1 1/2\" hose (C 24), 125 gpm: the friction loss?");
  keys("FL 125 ENTER H1.5 ENTER ENTER 200 ENTER");  // worked on the calculator: PSI 75
  EXPECT_EQ(strip().substr(0, 16), "Problem 1 of 10\n");
  keys("ENTER");
  EXPECT_EQ(strip().substr(0, 44), "RIGHT. The answer is PSI 75; you keyed 75.\n\n");
  keys("9 ENTER");
  EXPECT_EQ(strip().substr(0, 6), "WRONG.");
  EXPECT_NE(strip().find("FL = (Q/100)² × C × L/100"), std::string::npos);  // its working

  desks.practice().pressStrip(panel::practice_strip::kLeave);
  EXPECT_FALSE(desks.practice().on());
  EXPECT_EQ(calculator.state, before);
  EXPECT_EQ(desks.mark().shown, "");
  EXPECT_EQ(desks.title(), "");
  EXPECT_TRUE(desks.practice().strip().empty());
  desks.command(Command::Practice);
  EXPECT_EQ(shown(kSet).text, "4128");  // the next set is offered
}

TEST_F(PracticeTest, TheWorksheetPrintsTheProblemsThenEveryAnswerWithItsWorking) {
  DepartmentValues values;
  values.name = "Engine 4";
  values.practiceTolerance = {10, 70};
  calculator.state.department = &values;
  desks.command(Command::Practice);
  box().edit(kSet, "4127");
  EXPECT_NE(shown(kAbout).text.find("within 10 psi"), std::string::npos);
  const std::optional<panel::PrintedPage> page = box().page();
  ASSERT_TRUE(page);
  ASSERT_EQ(page->following.size(), 1u);  // two pages
  const auto holds = [](const std::vector<std::string>& lines, const std::string& text) {
    return std::find(lines.begin(), lines.end(), text) != lines.end();
  };
  const practice::PracticeSet set =
      practice::drawSet(4127, {.metric = false, .department = &values});
  for (std::size_t i = 0; i < set.problems.size(); ++i) {
    const practice::Problem& p = set.problems[i];
    const std::string number = std::to_string(i + 1) + ". ";
    EXPECT_TRUE(holds(page->heading, number + p.text)) << p.text;
    EXPECT_TRUE(holds(page->following[0], number + p.answer.shown)) << p.answer.shown;
    EXPECT_TRUE(holds(page->following[0], "    " + p.answer.working.back()));
  }
  EXPECT_EQ(page->heading[0], "Practice set 4127");
  EXPECT_EQ(page->following[0][0], "Answer key: practice set 4127");
}

}  // namespace
}  // namespace vardel::testing
