// Every answer of a drawn set is what keying its problem on the calculator
// shows, with the working the calculator writes for it: 10,000 problems in
// English and metric units, with the published figures and a department's,
// whose saved lines and lays are drawn too. A lay problem's answer is the
// lay shown as the Lays desk's Show shows it.
#include <gtest/gtest.h>

#include <string>

#include "calc/lay_display.h"
#include "practice/draw.h"
#include "support/design_hoses.h"
#include "support/key_script.h"

namespace vardel::testing {
namespace {

using practice::Problem;
using practice::ProblemKind;

const char* functionWord(ProblemKind kind) {
  switch (kind) {
    case ProblemKind::FrictionLoss:
      return "FL";
    case ProblemKind::EnginePressure:
      return "EP";
    case ProblemKind::TipFlow:
      return "FRST";
    case ProblemKind::FogFlow:
      return "FRFOG";
    case ProblemKind::TipReaction:
      return "RFST";
    case ProblemKind::FogReaction:
      return "RFFOG";
    case ProblemKind::AppRate:
      return "AR";
    case ProblemKind::WyedLay:
    case ProblemKind::SeveralLines:
      break;
  }
  return "";
}

// The problem as a key script: its function key, then at each prompt its
// value (digits, then the sign key for a "-") or its hose key, and Enter.
std::string script(const Problem& problem) {
  std::string keys = std::string(problem.metric ? "EM " : "") + functionWord(problem.kind);
  for (const practice::Entry& entry : problem.entries) {
    const std::string& v = entry.value;
    keys += " " +
            (entry.hose >= 0      ? scriptWord(kDesignHoses[static_cast<std::size_t>(entry.hose)])
             : v.starts_with('-') ? v.substr(1) + " +/-"
                                  : v) +
            " ENTER";
  }
  return keys;
}

DepartmentValues engine4() {
  DepartmentValues values;
  values.name = "Engine 4";
  values.hoses[4] = {12, 19.5};  // 1 3/4"
  values.hoses[6] = {2.5, 4};    // 2 1/2"
  values.perFloor = {5, 34};
  values.lines = {{"Crosslay 1", false, "100", "150", 4, "1", "200", "0"},
                  {"Standpipe", false, "75", "185", 4, "1", "150", "-1"},
                  {"Deck gun", false, "80", "800", 6, "2", "250", "0"},
                  {"Attack 2", true, "700", "600", 4, "1", "60", "2"}};
  Lay wyed{"Wye 1", false, {Discharge{}}};
  wyed.discharges[0].appliance = Appliance::Wye;
  wyed.discharges[0].hose = {6, 1, 150, {}};
  wyed.discharges[0].branches = {Line{}, Line{{3, 1, 100, {ElevationUnit::Height, 20}}, {}}};
  Discharge fog{{4, 1, 60, {}}, {NozzleKind::Fog, 700, 475, 0}, Appliance::None, {}, {}};
  Discharge tip{{4, 1, 45, {}}, {NozzleKind::Tip, 350, 0, 25}, Appliance::None, {}, {}};
  const Lay pair{"Pair", true, {fog, tip}};
  values.lays = {wyed, pair};
  return values;
}

TEST(PracticeAnswers, EveryAnswerIsTheProblemKeyed) {
  const DepartmentValues department = engine4();
  const practice::PracticeSetting settings[] = {
      {false, nullptr}, {true, nullptr}, {false, &department}, {true, &department}};
  int problems = 0, savedLines = 0, lays = 0;
  for (const practice::PracticeSetting& setting : settings) {
    for (std::uint32_t number = 1; number <= 250; ++number) {
      const practice::PracticeSet set = practice::drawSet(number, setting);
      ASSERT_EQ(set.problems.size(), practice::kProblemsPerSet);
      for (const Problem& problem : set.problems) {
        ++problems;
        savedLines += problem.savedLine.empty() ? 0 : 1;
        Session session;
        session.state().department = setting.department;
        ASSERT_NE(problem.answer.shown, "ERROR") << problem.text;
        if (problem.lay) {
          ++lays;
          ASSERT_EQ(showLay(session.calculator, *problem.lay), "") << problem.text;
          ASSERT_EQ(session.calculator.display(), problem.answer.shown) << problem.text;
          ASSERT_EQ(problem.answer.working, working(session.state())) << problem.text;
          continue;
        }
        const std::string keys = script(problem);
        ASSERT_EQ(session.run(keys), problem.answer.shown) << keys << " in set " << number;
        ASSERT_NE(problem.answer.shown, "ERROR") << keys;
        ASSERT_EQ(problem.answer.working, working(session.state())) << keys;
      }
    }
  }
  EXPECT_EQ(problems, 10'000);
  EXPECT_GT(savedLines, 100);
  EXPECT_EQ(lays, 2'000);
}

}  // namespace
}  // namespace vardel::testing
