#pragma once

#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// "Department values", as designed, one row per control: the name, each
// hose key's coefficient in both unit systems, the elevation per floor and
// the pump pressure limit, the tolerance of a practice answer, and the flow
// test that works out a coefficient;
// Save and Cancel. What its controls show comes from panel/values_desk.h.
const Dialog& valuesBox();

// The names of its controls that the desk, the front ends and the tests
// use. A hose row's fields are named with its row: designName(kEnglish, 4).
namespace values_box {
inline constexpr std::string_view kName = "txtName";
inline constexpr std::string_view kEnglish = "txtEnglish";
inline constexpr std::string_view kMetric = "txtMetric";
inline constexpr std::string_view kPerFloorEnglish = "txtPerFloorEnglish";
inline constexpr std::string_view kPerFloorMetric = "txtPerFloorMetric";
inline constexpr std::string_view kPumpLimitEnglish = "txtPumpLimitEnglish";
inline constexpr std::string_view kPumpLimitMetric = "txtPumpLimitMetric";
inline constexpr std::string_view kPracticeToleranceEnglish = "txtPracticeToleranceEnglish";
inline constexpr std::string_view kPracticeToleranceMetric = "txtPracticeToleranceMetric";
inline constexpr std::string_view kTestHose = "lstTestHose";
inline constexpr std::string_view kTestUnits = "lstTestUnits";
inline constexpr std::string_view kTestFlow = "txtTestFlow";
inline constexpr std::string_view kTestLines = "txtTestLines";
inline constexpr std::string_view kTestLength = "txtTestLength";
inline constexpr std::string_view kTestStart = "txtTestStart";
inline constexpr std::string_view kTestEnd = "txtTestEnd";
inline constexpr std::string_view kTestRise = "txtTestRise";
inline constexpr std::string_view kTestFlowLabel = "lblTestFlow";
inline constexpr std::string_view kTestLengthLabel = "lblTestLength";
inline constexpr std::string_view kTestStartLabel = "lblTestStart";
inline constexpr std::string_view kTestEndLabel = "lblTestEnd";
inline constexpr std::string_view kTestRiseLabel = "lblTestRise";
inline constexpr std::string_view kTestResult = "lblTestResult";
inline constexpr std::string_view kWorkOut = "cmdWorkOut";
inline constexpr std::string_view kSave = "cmdSave";
inline constexpr std::string_view kCancel = "cmdCancel";
}  // namespace values_box

}  // namespace vardel::panel
