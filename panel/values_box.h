#pragma once

#include <string_view>

#include "calc/department_values.h"
#include "panel/control.h"

namespace vardel::panel {

// "Department values", as designed, one row per control: where the values
// came from (issued, or this device's own), the name, each hose key's
// coefficient in both unit systems, the elevation per floor, the pump
// pressure limit, the tolerance of a practice answer, the appliance losses
// and the pump's rating that lays use, and the flow test that works out a
// coefficient;
// Save and Cancel. What its controls show comes from panel/values_desk.h.
const Dialog& valuesBox();

// The names of its controls that the desk, the front ends and the tests
// use. A hose row's fields are named with its row: designName(kEnglish, 4).
namespace values_box {
inline constexpr std::string_view kOrigin = "lblOrigin";  // where the values came from
inline constexpr std::string_view kName = "txtName";
inline constexpr std::string_view kEnglish = "txtEnglish";
inline constexpr std::string_view kMetric = "txtMetric";
inline constexpr std::string_view kPerFloorEnglish = "txtPerFloorEnglish";
inline constexpr std::string_view kPerFloorMetric = "txtPerFloorMetric";
inline constexpr std::string_view kPumpLimitEnglish = "txtPumpLimitEnglish";
inline constexpr std::string_view kPumpLimitMetric = "txtPumpLimitMetric";
inline constexpr std::string_view kPracticeToleranceEnglish = "txtPracticeToleranceEnglish";
inline constexpr std::string_view kPracticeToleranceMetric = "txtPracticeToleranceMetric";
// The figures that lays use: the appliance losses and the pump's rating.
inline constexpr std::string_view kWyeFromEnglish = "txtWyeFromEnglish";
inline constexpr std::string_view kWyeFromMetric = "txtWyeFromMetric";
inline constexpr std::string_view kWyeLossEnglish = "txtWyeLossEnglish";
inline constexpr std::string_view kWyeLossMetric = "txtWyeLossMetric";
inline constexpr std::string_view kStandpipeEnglish = "txtStandpipeEnglish";
inline constexpr std::string_view kStandpipeMetric = "txtStandpipeMetric";
inline constexpr std::string_view kMasterStreamEnglish = "txtMasterStreamEnglish";
inline constexpr std::string_view kMasterStreamMetric = "txtMasterStreamMetric";
inline constexpr std::string_view kRatedFlowEnglish = "txtRatedFlowEnglish";
inline constexpr std::string_view kRatedFlowMetric = "txtRatedFlowMetric";
inline constexpr std::string_view kIntakeEnglish = "txtIntakeEnglish";
inline constexpr std::string_view kIntakeMetric = "txtIntakeMetric";

// The fields of each figure of department/rules.h that lays use, in the
// box's order.
struct LayFigureFields {
  UnitPair DepartmentValues::*figure;
  std::string_view english, metric;
};
inline constexpr LayFigureFields kLayFigureFields[] = {
    {&DepartmentValues::wyeFrom, kWyeFromEnglish, kWyeFromMetric},
    {&DepartmentValues::wyeLoss, kWyeLossEnglish, kWyeLossMetric},
    {&DepartmentValues::standpipeLoss, kStandpipeEnglish, kStandpipeMetric},
    {&DepartmentValues::masterStreamLoss, kMasterStreamEnglish, kMasterStreamMetric},
    {&DepartmentValues::ratedFlow, kRatedFlowEnglish, kRatedFlowMetric},
    {&DepartmentValues::intake, kIntakeEnglish, kIntakeMetric},
};
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
