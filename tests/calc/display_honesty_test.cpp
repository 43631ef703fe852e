// What the display shows is what it claims: no key extends a result, a
// result's values are all in the unit system of its unit word, the hose taken
// is the hose shown, and a review walks exactly what the result used.
#include <gtest/gtest.h>

#include <string>

#include "support/key_script.h"

namespace vardel::testing {
namespace {

constexpr const char* kFrictionLoss = "FL 150 ENTER H1.75 ENTER ENTER 200 ENTER";  // PSI 70
constexpr const char* kEnginePressure =
    "EP 100 ENTER 150 ENTER H1.75 ENTER ENTER 200 ENTER 3 ENTER";  // PSI 183

std::string after(const char* result, const char* keys) { return std::string(result) + " " + keys; }

class HonestDisplay : public ::testing::TestWithParam<Example> {};

TEST_P(HonestDisplay, ShowsTheExpectedDisplay) { expectDisplay(GetParam()); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(ADigitAfterAResultStartsANewNumber, HonestDisplay, ::testing::Values(
    Example{after(kFrictionLoss, "8"), " 8"},
    Example{after(kFrictionLoss, "."), " ."},
    Example{after(kEnginePressure, "0"), " 0"},
    Example{"AR 3 ENTER 1.5 ENTER .", " ."},      // the point of 1.5 is not held against it
    Example{"12.5 H1.75 0", " 0"},                 // after the ERROR of a hose key
    Example{after(kFrictionLoss, "+/-"), "-70"},  // the sign key acts as before
    Example{after(kFrictionLoss, "+ 5 ="), " 5"}));  // an operator reads the result as 0

INSTANTIATE_TEST_SUITE_P(OneUnitSystemPerResult, HonestDisplay, ::testing::Values(
    // The hose taken in the units of the result: 24.6 x 1.5^2 x 2 = 110.7.
    Example{"FL 150 ENTER H1.75 ENTER ENTER 200 EM ENTER", "kPa 111"},
    Example{"EM FL 150 ENTER H1.75 ENTER ENTER 200 EM ENTER", "PSI 70"},
    Example{"EP 100 ENTER 150 ENTER H1.75 EM ENTER ENTER 200 ENTER 3 ENTER", "kPa 300"}));

INSTANTIATE_TEST_SUITE_P(TheHoseTakenIsTheHoseShown, HonestDisplay, ::testing::Values(
    Example{"FL 150 ENTER H2.5 1.75 ENTER", "ERROR"},
    Example{"FL 150 ENTER H2.5 0 ENTER", "ERROR"},
    Example{"FL 150 ENTER H2.5 . ENTER", "ERROR"},
    Example{"FL 150 ENTER H2.5 +/- ENTER", "ERROR"},
    Example{"FL 150 ENTER H2.5 CD ENTER", "ERROR"},
    // A hose key pressed earlier is taken at the prompt: 2 x 1.5^2 x 2 = 9.
    Example{"FL H2.5 150 ENTER ENTER ENTER 200 ENTER", "PSI 9"},
    Example{"EM FL 150 ENTER H2.5 EM ENTER ENTER 200 ENTER", "PSI 9"}));  // "65" still names it

INSTANTIATE_TEST_SUITE_P(AReviewWalksWhatTheResultUsed, HonestDisplay, ::testing::Values(
    // F2 acts only on the result itself.
    Example{after(kFrictionLoss, "H2.5 REVIEW ENTER ENTER"), "2.5"},
    Example{after(kFrictionLoss, "C REVIEW"), " 0"},
    Example{after(kFrictionLoss, "7 REVIEW"), " 7"},
    // A number keyed with more than 15 digits is taken back as keyed.
    Example{"AR 1.5000000000000003 ENTER 1 ENTER", "GPM 1"},
    Example{"AR 1.5000000000000003 ENTER 1 ENTER REVIEW ENTER", "1.5000000000000003"},
    Example{"AR 1.5000000000000003 ENTER 1 ENTER REVIEW ENTER ENTER ENTER ENTER", "GPM 1"}));
// clang-format on

TEST(HonestDisplay, AReviewShowsTheHoseTheResultUsed) {
  walk({{kFrictionLoss, "PSI 70"},
        {"REVIEW ENTER", "150"},
        {"H2.5 ENTER", "Hose Size"},  // the hose key's 2.5 is taken as the flow
        {"ENTER", "1.75"},            // but the hose shown is the one the result used
        {"ENTER ENTER ENTER ENTER ENTER", "PSI 0"}});  // 15.5 x 0.025^2 x 2 = 0.019
}

}  // namespace
}  // namespace vardel::testing
