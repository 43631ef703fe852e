// The worked examples of the five calculations, pressed key by key, and the
// ways each one can end in "ERROR". A row gives the keys and the display that
// must follow; "EM" at the start of a script switches to metric units.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/key_script.h"

namespace vardel::testing {
namespace {

class WorkedExample : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExample, ShowsTheExpectedDisplay) { expectDisplay(GetParam()); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(FrictionLoss, WorkedExample, ::testing::Values(
    Example{"FL 150 ENTER H1.75 ENTER ENTER 200 ENTER", "PSI 70"},
    Example{"EM FL 600 ENTER H1.75 ENTER ENTER 60 ENTER", "kPa 531"},
    Example{"FL 500 ENTER H2.5 ENTER 2 ENTER 300 ENTER", "PSI 38"},
    // A keyed 0 at SIAMESE counts one line, as nothing keyed does.
    Example{"FL 150 ENTER H1.75 ENTER 0 ENTER 200 ENTER", "PSI 70"},
    // The last hose key before Enter wins; after a unit switch it is taken
    // with its coefficient in the new units: 24.6 x 1.5^2 x 2 = 110.7.
    Example{"FL 150 ENTER H2.5 H1.75 ENTER ENTER 200 ENTER", "PSI 70"},
    Example{"FL 150 ENTER H1.75 EM ENTER ENTER 200 ENTER", "kPa 111"},
    Example{"FL 150 ENTER H1.75 ENTER ENTER CD ENTER", "PSI 0"},
    Example{"FL 150 ENTER H1.75 ENTER ENTER 200 ENTER ENTER ENTER", "PSI 70"},
    Example{"FL ENTER", "ERROR"},
    Example{"FL 0 ENTER", "ERROR"},
    Example{"FL 150 ENTER ENTER", "ERROR"},
    Example{"FL 150 ENTER H1.75 ENTER H3X2.5 ENTER", "ERROR"},
    Example{"FL 150 ENTER H1.75 ENTER ENTER 0 ENTER", "ERROR"},
    Example{"FL 1000000 X2 X2 X2 X2 X2 ENTER H1.75 ENTER ENTER 200 ENTER", "ERROR"}));

INSTANTIATE_TEST_SUITE_P(EnginePressure, WorkedExample, ::testing::Values(
    Example{"EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER ENTER", "PSI 170"},
    Example{"EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER", "PSI 183"},
    Example{"EM EP 700 ENTER 600 ENTER H1.75 ENTER ENTER 60 ENTER 2 ENTER", "kPa 1291"},
    Example{"EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 1 +/- ENTER", "PSI 165"},
    Example{"EP 100 ENTER 150 ENTER H1.75 ENTER 0 ENTER 200 ENTER 0 ENTER", "PSI 170"},
    Example{"EP 0 ENTER", "ERROR"},
    Example{"EP 100 ENTER 0 ENTER", "ERROR"},
    Example{"EP 100 ENTER 150 ENTER ENTER", "ERROR"},
    Example{"EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 0 ENTER", "ERROR"},
    Example{"EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER H3X2.5 ENTER", "ERROR"},
    // 10^308 floors overflow the elevation pressure.
    Example{"EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 1" + std::string(308, '0') +
                " ENTER",
            "ERROR"}));

INSTANTIATE_TEST_SUITE_P(FlowRate, WorkedExample, ::testing::Values(
    Example{"FRST 50 ENTER 1.125 ENTER", "GPM 266"},
    Example{"EM FRST 345 ENTER 28 ENTER", "LPM 972"},
    Example{"FRFOG 50 ENTER 150 ENTER 100 ENTER", "GPM 106"},
    Example{"FRFOG 100 ENTER 95 ENTER 100 ENTER", "GPM 95"},
    Example{"FRFOG 50 ENTER 150 +/- ENTER 100 ENTER", "GPM -106"},
    // Pressures at which a 1 in tip flows exactly 184.5 and 185.5 gpm.
    Example{"FRST 38.564476237874906 ENTER 1 ENTER", "GPM 184"},
    Example{"FRST 38.983652248862306 ENTER 1 ENTER", "GPM 186"},
    // CLEAR DISPLAY's "0" and a keyed 0.0 are the value 0; a lone 0 is not.
    Example{"FRST 50 ENTER CD ENTER", "GPM 0"},
    Example{"FRST 50 ENTER 0.0 ENTER", "GPM 0"},
    Example{"FRST 50 ENTER 0 ENTER", "ERROR"},
    // A number made with "=" carries a leading blank, like a keyed one.
    Example{"FRST 25 + 25 = ENTER 1.125 ENTER", "GPM 266"},
    Example{"FRST 50 +/- ENTER 1.125 ENTER", "ERROR"},
    Example{"FRFOG 50 ENTER 150 ENTER CD ENTER", "ERROR"},
    Example{"FRFOG 50 ENTER 150 ENTER 100 +/- ENTER", "ERROR"},
    Example{"FRST 50 ENTER ENTER", "ERROR"}));

INSTANTIATE_TEST_SUITE_P(ReactionForce, WorkedExample, ::testing::Values(
    Example{"RFST 50 ENTER 1.125 ENTER", "Lbs 99"},
    Example{"EM RFST 345 ENTER 28 ENTER", "Newtons 406"},
    Example{"RFFOG 100 ENTER 150 ENTER", "Lbs 76"},
    Example{"EM RFFOG 700 ENTER 570 ENTER", "Newtons 341"},
    Example{"RFST 50 ENTER 1 ENTER", "Lbs 78"},  // exactly 78.5
    Example{"RFST 50 +/- ENTER 1.125 ENTER", "Lbs -99"},
    Example{"RFFOG 100 ENTER CD ENTER", "Lbs 0"},
    Example{"RFFOG 100 ENTER 150 ENTER ENTER", "Lbs 76"},
    Example{"RFFOG 100 EM ENTER 150 ENTER", "Newtons 34"},
    Example{"RFFOG 50 +/- ENTER 150 ENTER", "ERROR"},
    Example{"RFFOG 100 ENTER 0 ENTER", "ERROR"}));

INSTANTIATE_TEST_SUITE_P(AppRate, WorkedExample, ::testing::Values(
    Example{"AR 30 ENTER 50 ENTER", "GPM 500"},
    Example{"AR 20 ENTER 40 ENTER", "GPM 267"},
    Example{"EM AR 10 ENTER 15 ENTER", "LPM 2035"},
    Example{"AR 2.5 ENTER 3 ENTER", "GPM 2"},
    Example{"AR 3.5 ENTER 3 ENTER", "GPM 4"},
    Example{"AR 30 +/- ENTER 50 ENTER", "GPM -500"},
    Example{"AR 30 EM ENTER 50 ENTER", "LPM 20353"},
    // A hose key at a value prompt puts its size there as the value.
    Example{"AR H2.5 ENTER 4 ENTER", "GPM 3"},
    Example{"EM AR H2.5 ENTER 3 ENTER", "LPM 2646"},
    Example{"AR H3X2.5 ENTER", "ERROR"},
    Example{"AR ENTER", "ERROR"},
    Example{"AR 0 ENTER", "ERROR"},
    Example{"AR 1000000 X2 X2 X2 X2 X2 ENTER 1000000 X2 X2 X2 X2 X2 ENTER", "ERROR"}));
// clang-format on

}  // namespace
}  // namespace vardel::testing
