// A set's number fixes its problems: three sets written out in full, with
// their answers, in English units, in metric units and with a department's
// values, saved lines and a saved lay. A change of the generator, of the lists it draws
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
          {R"(Three lines off one pump: A, 150 ft of 1 1/2" hose (C 24), 125 gpm fog at 75 psi; B, 300 ft of 2" hose (C 8), 200 gpm fog at 75 psi; C, 100 ft of 1 1/2" hose (C 24), 125 gpm fog at 75 psi: the pump pressure, which the line needing the most sets?)",
           "PSI 171"},
          {R"(A fog nozzle flowing 750 gpm at 100 psi: the nozzle reaction?)", "Lbs 379"},
          {R"(100 ft of 2 1/2" hose (C 2) to a wye (10 psi lost from 350 gpm), two branches: 50 ft of 1 1/2" hose (C 24), 150 gpm fog at 75 psi; 150 ft of 1 1/2" hose (C 24), 125 gpm fog at 100 psi: the pump pressure?)",
           "PSI 171"},
          {R"(An area 60 ft long and 25 ft wide: the application rate?)", "GPM 500"},
          {R"(200 ft of 2" hose (C 8), 200 gpm smooth bore at 50 psi, 1 floor down (4.3 psi a floor): the pump pressure?)",
           "PSI 110"},
          {R"(A fog nozzle rated 175 gpm at 75 psi, worked at 50 psi: the flow?)", "GPM 143"},
          {R"(200 ft of 2" hose (C 8), 150 gpm fog at 75 psi, 1 floor down (4.3 psi a floor): the pump pressure?)",
           "PSI 107"},
          {R"(A 15/16" tip (0.9375 in) at 50 psi: the flow?)", "GPM 185"},
          {R"(A 15/16" tip (0.9375 in) at 50 psi: the nozzle reaction?)", "Lbs 69"},
      }));
  EXPECT_EQ(
      drawn(1, {true, nullptr}),
      (std::vector<Written>{
          {R"(40 m of 65 mm hose (C 3.17) to a wye (about 69 kPa lost from about 1325 L/min), two branches: 30 m of 38 mm hose (C 38), 570 L/min fog at 500 kPa; 15 m of 38 mm hose (C 38), 360 L/min fog at 700 kPa: the pump pressure?)",
           "kPa 980"},
          {R"(60 m of 38 mm hose (C 38), 570 L/min fog at 700 kPa: the pump pressure?)",
           "kPa 1441"},
          {R"(A fog nozzle flowing 570 L/min at 700 kPa: the nozzle reaction?)", "Newtons 341"},
          {R"(Three lines off one pump: A, 40 m of 38 mm hose (C 38), 380 L/min fog at 500 kPa; B, 60 m of 38 mm hose (C 38), 570 L/min fog at 500 kPa; C, 60 m of 50 mm hose (C 12.7), 700 L/min fog at 700 kPa: the pump pressure, which the line needing the most sets?)",
           "kPa 1241"},
          {R"(An area 10 m long and 10 m wide: the application rate?)", "LPM 1357"},
          {R"(2 siamesed lines of 120 m of 77 mm hose (C 1.06), 3000 L/min fog at 700 kPa: the pump pressure?)",
           "kPa 986"},
          {R"(60 m of 100 mm hose (C 0.305), 2300 L/min: the friction loss?)", "kPa 97"},
          {R"(A fog nozzle rated 3000 L/min at 700 kPa, worked at 500 kPa: the flow?)", "LPM 2535"},
          {R"(A 32 mm tip at 350 kPa: the nozzle reaction?)", "Newtons 538"},
          {R"(A 32 mm tip at 350 kPa: the flow?)", "LPM 1279"},
      }));
}

TEST(PracticeSet, ANumberIsOneToFourDigits) {
  EXPECT_EQ(readSetNumber("4127"), 4127u);
  EXPECT_EQ(readSetNumber("1"), 1u);
  for (const char* refused : {"", "0", "10000", "12a", " 12", "-3", "1.5"}) {
    EXPECT_EQ(readSetNumber(refused), std::nullopt) << refused;
  }
}

TEST(PracticeSet, ADepartmentsValuesLinesAndLaysGoIn) {
  DepartmentValues values;
  values.name = "Engine 4";
  values.hoses[4] = {12, 19.5};
  values.perFloor = {5, 34};
  values.lines = {{"Crosslay 1", false, "100", "150", 4, "1", "200", "0"},
                  {"Standpipe", false, "75", "185", 4, "1", "150", "-1"}};
  Lay wyed{"Wye 1", false, {Discharge{}}};
  wyed.discharges[0].appliance = Appliance::Wye;
  wyed.discharges[0].hose = {6, 1, 150, {}};
  wyed.discharges[0].branches = {Line{}, Line{}};
  values.lays = {wyed};
  EXPECT_EQ(
      drawn(32, {false, &values}),
      (std::vector<Written>{
          {R"(300 ft of 1 3/4" hose (C 12), 160 gpm smooth bore at 50 psi, 3 floors up (5 psi a floor): the pump pressure?)",
           "PSI 157"},
          {R"(A 1 1/8" tip (1.125 in) at 50 psi: the flow?)", "GPM 266"},
          {R"(A fog nozzle rated 95 gpm at 75 psi, worked at 80 psi: the flow?)", "GPM 98"},
          {R"(600 ft of 5" hose (C 0.08), 1000 gpm: the friction loss?)", "PSI 48"},
          {R"(A 1 1/8" tip (1.125 in) at 50 psi: the nozzle reaction?)", "Lbs 99"},
          {R"(Standpipe: 150 ft of 1 3/4" hose (C 12), 185 gpm at 75 psi, 1 floor down (5 psi a floor): the pump pressure?)",
           "PSI 132"},
          {R"(Wye 1: 150 ft of 2 1/2" hose (C 2) to a wye (10 psi lost from 350 gpm), two branches, each 200 ft of 1 3/4" hose (C 12), 150 gpm fog at 100 psi: the pump pressure?)",
           "PSI 181"},
          {R"(An area 40 ft long and 50 ft wide: the application rate?)", "GPM 667"},
          {R"(A fog nozzle flowing 100 gpm at 75 psi: the nozzle reaction?)", "Lbs 44"},
          {R"(Two lines off one pump: A, 150 ft of 1 3/4" hose (C 12), 185 gpm fog at 100 psi; B, 300 ft of 1 3/4" hose (C 12), 150 gpm fog at 75 psi: the pump pressure, which the line needing the most sets?)",
           "PSI 162"},
      }));
}

}  // namespace
}  // namespace vardel::practice
