// A set's number fixes its problems: three sets written out in full, with
// their answers, in English units, in metric units and with a department's
// values and saved lines. A change of the generator, of the lists it draws
// from or of the words is caught here, natively and in WebAssembly alike.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "practice/draw.h"

namespace vardel::practice {
namespace {

struct Written {
  std::string text, answer;
  bool operator==(const Written&) const = default;
};

void PrintTo(const Written& w, std::ostream* os) { *os << w.text << " -> " << w.answer; }

std::vector<Written> drawn(std::uint32_t number, const PracticeSetting& setting) {
  std::vector<Written> problems;
  for (const Problem& p : drawSet(number, setting).problems) {
    problems.push_back({p.text, p.answer.shown});
  }
  return problems;
}

TEST(PracticeSet, ANumberGivesTheSameProblems) {
  EXPECT_EQ(
      drawn(4127, {false, nullptr}),
      (std::vector<Written>{
          {R"(200 ft of 1 1/2" hose (C 24), 125 gpm: the friction loss?)", "PSI 75"},
          {R"(150 ft of 1 1/2" hose (C 24), 150 gpm: the friction loss?)", "PSI 81"},
          {R"(A fog nozzle flowing 100 gpm at 75 psi: the nozzle reaction?)", "Lbs 44"},
          {R"(100 ft of 2 1/2" hose (C 2), 185 gpm fog at 100 psi, 1 floor up (4.3 psi a floor): the pump pressure?)",
           "PSI 111"},
          {R"(An area 12 ft long and 10 ft wide: the application rate?)", "GPM 40"},
          {R"(250 ft of 2 1/2" hose (C 2), 185 gpm smooth bore at 50 psi, 5 floors up (4.3 psi a floor): the pump pressure?)",
           "PSI 89"},
          {R"(A fog nozzle rated 250 gpm at 75 psi, worked at 100 psi: the flow?)", "GPM 289"},
          {R"(150 ft of 1 1/2" hose (C 24), 125 gpm fog at 75 psi, 2 floors up (4.3 psi a floor): the pump pressure?)",
           "PSI 140"},
          {R"(A 7/8" tip (0.875 in) at 50 psi: the flow?)", "GPM 161"},
          {R"(A 1" tip at 50 psi: the nozzle reaction?)", "Lbs 78"},
      }));
  EXPECT_EQ(
      drawn(1, {true, nullptr}),
      (std::vector<Written>{
          {R"(45 m of 45 mm hose (C 24.6), 360 L/min fog at 500 kPa, 3 floors up (29.65 kPa a floor): the pump pressure?)",
           "kPa 732"},
          {R"(90 m of 45 mm hose (C 24.6), 380 L/min smooth bore at 350 kPa, 4 floors up (29.65 kPa a floor): the pump pressure?)",
           "kPa 788"},
          {R"(A fog nozzle flowing 3000 L/min at 700 kPa: the nozzle reaction?)", "Newtons 1793"},
          {R"(75 m of 65 mm hose (C 3.17), 950 L/min: the friction loss?)", "kPa 215"},
          {R"(An area 3 m long and 4 m wide: the application rate?)", "LPM 163"},
          {R"(2 siamesed lines of 80 m of 65 mm hose (C 3.17), 3000 L/min fog at 700 kPa, 5 floors up (29.65 kPa a floor): the pump pressure?)",
           "kPa 1419"},
          {R"(105 m of 65 mm hose (C 3.17), 950 L/min: the friction loss?)", "kPa 300"},
          {R"(A fog nozzle rated 3000 L/min at 700 kPa, worked at 550 kPa: the flow?)", "LPM 2659"},
          {R"(A 22 mm tip at 350 kPa: the nozzle reaction?)", "Newtons 254"},
          {R"(A 22 mm tip at 350 kPa: the flow?)", "LPM 605"},
      }));
}

TEST(PracticeSet, ANumberIsOneToFourDigits) {
  EXPECT_EQ(readSetNumber("4127"), 4127u);
  EXPECT_EQ(readSetNumber("1"), 1u);
  for (const char* refused : {"", "0", "10000", "12a", " 12", "-3", "1.5"}) {
    EXPECT_EQ(readSetNumber(refused), std::nullopt) << refused;
  }
}

TEST(PracticeSet, ADepartmentsValuesAndLinesGoIn) {
  DepartmentValues values;
  values.name = "Engine 4";
  values.hoses[4] = {12, 19.5};
  values.perFloor = {5, 34};
  values.lines = {{"Crosslay 1", false, "100", "150", 4, "1", "200", "0"},
                  {"Standpipe", false, "75", "185", 4, "1", "150", "-1"}};
  EXPECT_EQ(
      drawn(31, {false, &values}),
      (std::vector<Written>{
          {R"(A 1" tip at 50 psi: the nozzle reaction?)", "Lbs 78"},
          {R"(A fog nozzle flowing 200 gpm at 75 psi: the nozzle reaction?)", "Lbs 87"},
          {R"(250 ft of 1 3/4" hose (C 12), 160 gpm fog at 75 psi, 2 floors up (5 psi a floor): the pump pressure?)",
           "PSI 162"},
          {R"(An area 10 ft long and 15 ft wide: the application rate?)", "GPM 50"},
          {R"(A fog nozzle rated 250 gpm at 100 psi, worked at 80 psi: the flow?)", "GPM 224"},
          {R"(200 ft of 2" hose (C 8), 150 gpm: the friction loss?)", "PSI 36"},
          {R"(Standpipe: 150 ft of 1 3/4" hose (C 12), 185 gpm at 75 psi, 1 floor down (5 psi a floor): the pump pressure?)",
           "PSI 132"},
          {R"(A 7/8" tip (0.875 in) at 50 psi: the flow?)", "GPM 161"},
          {R"(Crosslay 1: 200 ft of 1 3/4" hose (C 12), 150 gpm at 100 psi: the pump pressure?)",
           "PSI 154"},
          {R"(200 ft of 2 1/2" hose (C 2), 200 gpm: the friction loss?)", "PSI 16"},
      }));
}

}  // namespace
}  // namespace vardel::practice
