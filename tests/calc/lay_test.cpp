// Lays of several lines from one pump: the course's worked examples in both
// unit systems, a one-line lay against ENGINE PRESSURE keyed on the
// calculator, the flows the hose carries, the governing line and the gates,
// the appliance losses, the pump's capacity and the refusals.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/appliance_losses.h"
#include "calc/conversion.h"
#include "calc/department_values.h"
#include "calc/lay_check.h"
#include "core/number_text.h"
#include "support/design_hoses.h"
#include "support/key_script.h"
#include "support/lay_builder.h"

namespace vardel::testing {
namespace {

TEST(LayExamples, WyedLay) {
  // Supply 2 x 3² x 2 = 36 at 300 gpm, below 350: no appliance loss; each
  // branch 15.5 x 1.5² x 1.5 = 52.3125.
  const LayResult english = resultOf(wyedLay(false));
  ASSERT_EQ(english.problem, "");
  EXPECT_EQ(english.discharges[0].supply.flow, 300);
  EXPECT_EQ(english.discharges[0].supply.loss.loss, 36);
  EXPECT_EQ(english.discharges[0].nozzles[1].hose.loss.loss, 52.3125);
  EXPECT_EQ(english.discharges[0].applianceLoss.value, 0);
  EXPECT_EQ(english.pumpPressure, 188.3125);
  EXPECT_EQ(english.text, "PSI 188");

  // 3.17 x 11.4² x 0.6 + 24.6 x 5.7² x 0.45 + 700 at 1140 L/min.
  const LayResult metric = resultOf(wyedLay(true));
  EXPECT_NEAR(metric.pumpPressure, 1306.84822, 1e-9);
  EXPECT_EQ(metric.text, "kPa 1307");
}

TEST(LayExamples, ThreeLinesOffOnePump) {
  const LayResult english = resultOf(threeLines(false));
  ASSERT_EQ(english.problem, "");
  EXPECT_EQ(english.governing, 0u);
  EXPECT_EQ(english.pumpPressure, 169.75);
  EXPECT_EQ(english.text, "PSI 170");
  EXPECT_NEAR(english.discharges[1].flow, 265.88430312, 1e-8);  // 1 1/8" tip at 50 psi
  EXPECT_NEAR(english.discharges[1].atPump, 85.34723132, 1e-8);
  EXPECT_NEAR(english.discharges[2].atPump, 113.98875, 1e-12);
  EXPECT_EQ(roundedText(english.discharges[1].atPump), "85");
  EXPECT_EQ(roundedText(english.discharges[2].atPump), "114");
  EXPECT_NEAR(english.totalFlow, 510.884, 1e-3);

  const LayResult metric = resultOf(threeLines(true));
  EXPECT_NEAR(metric.pumpPressure, 1179.5524, 1e-9);
  EXPECT_EQ(metric.text, "kPa 1180");
  EXPECT_NEAR(metric.discharges[1].flow, 972.41111189, 1e-8);  // 28 mm tip at 345 kPa
  EXPECT_EQ(roundedText(metric.discharges[1].atPump), "570");
  EXPECT_EQ(roundedText(metric.discharges[2].atPump), "796");
}

// A number as a key script keys it, and the same number as the lay takes it.
struct Keyed {
  std::string text;
  double value;
};
Keyed keyed(double value) {
  const std::string text = formatPlain(value);
  return {text, *readStrict(text)};
}
std::string keys(const Keyed& k) { return k.value < 0 ? k.text.substr(1) + " +/-" : k.text; }

TEST(OneLineLay, EqualsEnginePressureKeyed) {
  DepartmentValues department;
  department.name = "Engine 4";
  department.hoses[kInch175].english = 17;
  department.hoses[kInch175].metric = 27;
  department.perFloor = {5, 34};
  department.pumpLimit = {200, 1400};
  std::mt19937 random(24);
  const auto between = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  for (int i = 0; i < 200; ++i) {
    const bool metric = i % 2 == 1;
    const DepartmentValues* values = i % 4 < 2 ? nullptr : &department;
    const auto row = static_cast<std::int16_t>(between(0, 13));
    const Keyed np = keyed(between(10, 200) * (metric ? 7 : 1)), flow = keyed(between(20, 900));
    const Keyed lines = keyed(between(1, 3)), length = keyed(between(1, 400) * 2.5);
    const Keyed storeys = keyed(between(-20, 80) / 4.0);
    Session session;
    session.state().department = values;
    session.run(std::string(metric ? "EM " : "") + "EP " + keys(np) + " ENTER " + keys(flow) +
                " ENTER " + scriptWord(kDesignHoses[row]) + " ENTER " + keys(lines) + " ENTER " +
                keys(length) + " ENTER " + keys(storeys) + " ENTER");
    const LayResult r =
        resultOf(lay(metric, {line(fog(hose(row, length.value, lines.value, floors(storeys.value)),
                                       flow.value, np.value))}),
                 values);
    SCOPED_TRACE(session.calculator.display() + " at lay " + std::to_string(i));
    ASSERT_EQ(r.problem, "");
    EXPECT_EQ(r.pumpPressure, session.state().working.dblEnginePressureResult);
    EXPECT_EQ(r.text, session.calculator.display());
    EXPECT_EQ(r.overLimit, session.state().working.overLimit);
  }
}

TEST(LayFlows, TheSupplyOfAWyeCarriesTheSumOfItsBranches) {
  const Lay wye = lay(
      false, {appliance(Appliance::Wye, hose(kInch250, 300, 2),
                        {fog(hose(kInch175, 150), 150, 100), tip(hose(kInch175, 100), 0.875, 50),
                         fog(hose(1, 50, 1, height(20)), 60, 75)})});
  const LayResult r = resultOf(wye);
  ASSERT_EQ(r.problem, "");
  const DischargeResult& d = r.discharges[0];
  const double sum = d.nozzles[0].flow + d.nozzles[1].flow + d.nozzles[2].flow;
  EXPECT_EQ(d.supply.flow, sum);
  EXPECT_EQ(d.supply.loss.loss, formula::layLoss(sum / 100, 2, 2, 3).loss);
  EXPECT_EQ(r.totalFlow, sum);
  EXPECT_GT(sum, 350);  // so a 10 psi appliance loss
  EXPECT_EQ(d.applianceLoss.value, 10);
}

TEST(LayGates, TheGoverningLineIsTheHighestAndEachGateIsThatLinesOwnPressure) {
  std::mt19937 random(7);
  const auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const auto randomLine = [&] {
    const Segment s = hose(static_cast<std::int16_t>(pick(3, 8)), pick(0, 40) * 25, pick(1, 2),
                           floors(pick(-2, 6)));
    return pick(0, 1) ? fog(s, pick(6, 40) * 5, pick(5, 10) * 10) : tip(s, pick(4, 10) / 8.0, 50);
  };
  for (int i = 0; i < 100; ++i) {
    Lay l = lay(false, {});
    for (int k = pick(1, 6); k > 0; --k) {
      if (pick(0, 1)) {
        l.discharges.push_back(line(randomLine()));
      } else {
        std::vector<Line> branches;
        for (int b = pick(1, 3); b > 0; --b) branches.push_back(randomLine());
        l.discharges.push_back(
            appliance(static_cast<Appliance>(pick(1, 4)), hose(6, 200), branches));
      }
    }
    const LayResult r = resultOf(l);
    ASSERT_EQ(r.problem, "");
    for (std::size_t k = 0; k < l.discharges.size(); ++k) {
      const DischargeResult& d = r.discharges[k];
      EXPECT_LE(d.atPump, r.pumpPressure);
      EXPECT_EQ(d.governs, k == r.governing);
      // Its gate is what it needs on its own.
      EXPECT_EQ(d.atPump, resultOf(lay(false, {l.discharges[k]})).pumpPressure);
      for (const NozzleResult& n : d.nozzles) {
        EXPECT_LE(n.atPump, d.atPump);
        EXPECT_EQ(n.gatedAtAppliance, n.atPump < d.atPump);
      }
    }
    EXPECT_EQ(r.pumpPressure, r.discharges[r.governing].atPump);
  }
}

TEST(LayGates, TheLowerOfUnequalBranchesIsGatedAtTheAppliance) {
  const LayResult r = resultOf(lay(false, {appliance(Appliance::Wye, hose(kInch250, 100),
                                                     {fog(hose(kInch175, 200), 150, 100),
                                                      fog(hose(kInch175, 100), 150, 100)})}));
  const DischargeResult& d = r.discharges[0];
  EXPECT_FALSE(d.nozzles[0].gatedAtAppliance);
  EXPECT_TRUE(d.nozzles[1].gatedAtAppliance);
  EXPECT_EQ(d.nozzles[1].atAppliance, 100 + 15.5 * 1.5 * 1.5);
  EXPECT_EQ(d.atPump, 100 + 69.75 + 2 * 9);
}

TEST(ApplianceLosses, ThresholdAtThreeHundredAndFiftyGpmAndTheFixedLosses) {
  const ApplianceLosses english = publishedApplianceLosses(false);
  EXPECT_EQ(applianceLoss(english, Appliance::Wye, 349).value, 0);
  EXPECT_EQ(applianceLoss(english, Appliance::Wye, 350).value, 10);
  EXPECT_EQ(applianceLoss(english, Appliance::Siamese, 350).value, 10);
  EXPECT_EQ(applianceLoss(english, Appliance::Standpipe, 100).value, 25);
  EXPECT_EQ(applianceLoss(english, Appliance::MasterStream, 100).value, 25);
  const ApplianceLosses metric = publishedApplianceLosses(true);
  const double threshold = 350 * conversion::kLitresPerGallon;  // 1324.89 L/min
  EXPECT_EQ(applianceLoss(metric, Appliance::Wye, 349 * conversion::kLitresPerGallon).value, 0);
  EXPECT_EQ(applianceLoss(metric, Appliance::Wye, threshold).value,
            10 * conversion::kKilopascalsPerPsi);
  EXPECT_NEAR(applianceLoss(metric, Appliance::Standpipe, 100).value, 172.369, 1e-3);

  // Through a lay: two branches of 174.5 and 175 gpm.
  const auto pair = [](double second) {
    return resultOf(lay(false, {appliance(Appliance::Siamese, hose(kInch250, 100),
                                          {fog(hose(kInch175, 50), 174.5, 100),
                                           fog(hose(kInch175, 50), second, 100)})}))
        .discharges[0]
        .applianceLoss.value;
  };
  EXPECT_EQ(pair(174.5), 0);
  EXPECT_EQ(pair(175.5), 10);
}

TEST(PumpCapacity, TheStandardTestPointsAndTheLinesBetween) {
  const PumpRating rating{1000, std::nullopt};
  EXPECT_EQ(capacityAt(rating, 100, false).flow, 1000);
  EXPECT_EQ(capacityAt(rating, 150, false).flow, 1000);
  EXPECT_EQ(capacityAt(rating, 175, false).flow, 850);
  EXPECT_EQ(capacityAt(rating, 200, false).flow, 700);
  EXPECT_EQ(capacityAt(rating, 250, false).flow, 500);
  EXPECT_FALSE(capacityAt(rating, 250.5, false).rated);
  EXPECT_EQ(capacityAt({1000, 50}, 250, false).flow, 700);  // 200 psi net
  EXPECT_EQ(capacityAt({3785, std::nullopt}, conversion::pressure(200, true), true).flow,
            0.7 * 3785);

  // The flag: 700 gpm at 200 psi net is within a 1000 gpm pump, a little more is not.
  const DepartmentValues rated = ratedPump(1000);
  const auto flagged = [&rated](double flow) {
    const Lay l = lay(false, {line(fog(hose(kInch250, 0), flow, 200))});
    return resultOf(l, &rated).overCapacity;
  };
  EXPECT_FALSE(flagged(700));
  EXPECT_TRUE(flagged(700.5));
  EXPECT_FALSE(resultOf(lay(false, {line(fog(hose(kInch250, 0), 5000, 200))})).overCapacity);
}

TEST(LayChecks, ARefusedEditSaysWhyAndKeepsTheLay) {
  Lay l = threeLines(false);
  const Lay before = l;
  const auto refused = [&](auto edit) {
    const std::string problem = editLay(l, edit);
    EXPECT_EQ(l, before);
    return problem;
  };
  EXPECT_EQ(refused([](Lay& x) { x.discharges.resize(7); }), "A lay has 1 to 6 discharges.");
  EXPECT_EQ(refused([](Lay& x) { x.discharges[2].nozzle.flow = 0; }),
            "Discharge C: the flow must be more than 0 and at most 5000 gpm.");
  EXPECT_EQ(refused([](Lay& x) { x.discharges[1].hose.length = -50; }),
            "Discharge B: the length must lie between 0 and 10000 ft.");
  EXPECT_EQ(refused([](Lay& x) { x.discharges[0].hose.lines = 1.5; }),
            "Discharge A: the lines must be a whole number from 1 to 6.");
  EXPECT_EQ(refused([](Lay& x) { x.discharges[1].nozzle.tip = std::nan(""); }),
            "Discharge B: the tip must be more than 0 and at most 4 in.");
  Lay wye = wyedLay(false);
  wye.discharges[0].branches.resize(4);
  EXPECT_EQ(checkLay(wye), "Discharge A: an appliance has 1 to 3 branches.");
  wye.discharges[0].branches.resize(2);
  wye.discharges[0].branches[1].hose.rise = floors(500);
  EXPECT_EQ(checkLay(wye), "Discharge A, branch 2: the rise must lie between -50 and 200 floors.");
  EXPECT_EQ(editLay(l, [](Lay& x) { x.discharges.push_back(line(fog(hose(4, 100), 95, 100))); }),
            "");
  EXPECT_EQ(l.discharges.size(), 4u);
}

}  // namespace
}  // namespace vardel::testing
