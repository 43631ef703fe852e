// The formula procedures' fault checks and the result text, beyond what the
// worked examples reach through the keys.
#include "calc/calculations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc/result_text.h"

namespace vardel {
namespace {

constexpr double kHuge = std::numeric_limits<double>::max();

struct Fault {
  const char* what;
  bool (*formula)(CalculatorState&);
  WorkingValues inputs;
};

// clang-format off
const Fault kFaults[] = {
    {"negative pressure under the root", CalcFRStraightTip,
     {.dblFRStraightTipPressure = -1, .dblFRStraightTipDiameter = 1}},
    {"overflow of the tip area", CalcFRStraightTip,
     {.dblFRStraightTipPressure = 1, .dblFRStraightTipDiameter = 1e200}},
    {"infinite area times a zero root", CalcFRStraightTip,
     {.dblFRStraightTipPressure = 0, .dblFRStraightTipDiameter = 1e200}},
    {"zero rated pressure", CalcFRFogNozzle,
     {.dblFRFogNozzlePressure = 50, .dblFRFogNozzleRatedFlow = 150}},
    {"zero over zero", CalcFRFogNozzle, {}},
    {"negative zero rated pressure", CalcFRFogNozzle,
     {.dblFRFogNozzleRatedFlow = 1, .dblFRFogNozzleRatedPressure = -0.0}},
    {"negative rated pressure", CalcFRFogNozzle,
     {.dblFRFogNozzlePressure = 50, .dblFRFogNozzleRatedFlow = 150,
      .dblFRFogNozzleRatedPressure = -100}},
    {"overflow of the quotient", CalcFRFogNozzle,
     {.dblFRFogNozzlePressure = 1, .dblFRFogNozzleRatedFlow = kHuge,
      .dblFRFogNozzleRatedPressure = 1e-300}},
    {"overflow of the straight-tip reaction", CalcRFStraightTip,
     {.dblRFStraightTipPressure = 1, .dblRFStraightTipDiameter = 1e160}},
    {"negative pressure under the fog root", CalcRFFogNozzle,
     {.dblRFFogNozzlePressure = -100, .dblRFFogNozzleFlow = 150}},
    {"overflow of the area", CalcAppRate,
     {.dblAppRateLength = 1e200, .dblAppRateWidth = 1e200}},
    {"zero lines", CalcFrictionLoss, {.dblFrictionLossFlow = 1}},
    // The infinite flow per line times a zero length must not come out finite.
    {"overflow of the flow per line", CalcFrictionLoss,
     {.dblFrictionLossFlow = kHuge, .dblFrictionLossCoefficient = 1,
      .dblFrictionLossLines = 0.5, .dblFrictionLossLength = 0}},
    {"overflow of the lay's friction loss", CalcEnginePressure,
     {.dblEnginePressureFlow = 1e200, .dblEnginePressureCoefficient = 1,
      .dblEnginePressureLines = 1, .dblEnginePressureLength = 0}},
    {"overflow of the sum", CalcEnginePressure,
     {.dblEnginePressureNozzlePressure = kHuge, .dblEnginePressureLines = 1,
      .dblEnginePressureElevation = kHuge}},
};
// clang-format on

TEST(Calculations, EveryFloatingPointFaultIsReportedAndStoresNothing) {
  for (const Fault& fault : kFaults) {
    CalculatorState state;
    state.working = fault.inputs;
    EXPECT_FALSE(fault.formula(state)) << fault.what;
    EXPECT_EQ(state.working, fault.inputs) << fault.what;
  }
}

TEST(Calculations, NegativeZeroUnderTheRootAndUnderflowAreNotFaults) {
  CalculatorState state;
  state.working.dblFRStraightTipDiameter = 1;
  state.working.dblFRStraightTipPressure = -0.0;
  EXPECT_TRUE(CalcFRStraightTip(state));
  EXPECT_EQ(resultText("GPM ", state.working.dblFRStraightTipResult), "GPM 0");

  state.working.dblAppRateLength = 1e-200;
  state.working.dblAppRateWidth = 1e-200;
  EXPECT_TRUE(CalcAppRate(state));
  EXPECT_EQ(state.working.dblAppRateResult, 0);
}

TEST(ResultText, RoundsHalvesToTheEvenNeighbourAndNeverShowsMinusZero) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      // clang-format off
      {184.5, "GPM 184"}, {185.5, "GPM 186"}, {185.3, "GPM 185"}, {0.5, "GPM 0"},
      {1.5, "GPM 2"}, {-2.5, "GPM -2"}, {-3.5, "GPM -4"}, {-105.7, "GPM -106"},
      {0.49999999999999994, "GPM 0"},
      // Small negatives round to a negative zero, which must not show as "-0".
      {-0.4, "GPM 0"}, {-0.5, "GPM 0"}, {-0.0, "GPM 0"},
      // clang-format on
  };
  for (const auto& c : cases) EXPECT_EQ(resultText("GPM ", c.value), c.text) << c.value;
}

}  // namespace
}  // namespace vardel
