#pragma once

#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// "Lays": a lay of up to six discharges off one pump, edited one discharge
// at a time, so that the box works at the panel's own width: the saved
// lays and a name; the list of discharges; the discharge chosen (a line, or
// a supply to an appliance); the branch chosen behind an appliance; the
// nozzle of the line or the branch; the result, which a screen reader reads
// as the box's description; Show, Save and Delete; the pump panel card,
// printed or saved as PDF. What its controls show comes from
// panel/lays_desk.h.
const Dialog& laysBox();

namespace lays_box {
inline constexpr std::string_view kSavedLays = "lstSavedLays";
inline constexpr std::string_view kLayName = "txtLayName";
inline constexpr std::string_view kUnits = "lblLayUnits";
inline constexpr std::string_view kDischarges = "lstDischarges";
inline constexpr std::string_view kAddDischarge = "cmdAddDischarge";
inline constexpr std::string_view kRemoveDischarge = "cmdRemoveDischarge";
inline constexpr std::string_view kDischargeHeading = "lblDischarge";
inline constexpr std::string_view kKind = "lstKind";
inline constexpr std::string_view kHose = "lstHose";
inline constexpr std::string_view kHoseLabel = "lblHose";
inline constexpr std::string_view kLines = "txtLines";
inline constexpr std::string_view kLength = "txtLength";
inline constexpr std::string_view kLengthLabel = "lblLength";
inline constexpr std::string_view kRise = "txtRise";
inline constexpr std::string_view kRiseUnit = "lstRiseUnit";
inline constexpr std::string_view kApplianceRise = "txtApplianceRise";
inline constexpr std::string_view kApplianceRiseUnit = "lstApplianceRiseUnit";
inline constexpr std::string_view kBranch = "lstBranch";
inline constexpr std::string_view kAddBranch = "cmdAddBranch";
inline constexpr std::string_view kRemoveBranch = "cmdRemoveBranch";
inline constexpr std::string_view kBranchHose = "lstBranchHose";
inline constexpr std::string_view kBranchLines = "txtBranchLines";
inline constexpr std::string_view kBranchLength = "txtBranchLength";
inline constexpr std::string_view kBranchLengthLabel = "lblBranchLength";
inline constexpr std::string_view kBranchRise = "txtBranchRise";
inline constexpr std::string_view kBranchRiseUnit = "lstBranchRiseUnit";
inline constexpr std::string_view kNozzleHeading = "lblNozzle";
inline constexpr std::string_view kNozzle = "lstNozzle";
inline constexpr std::string_view kNozzlePressure = "txtNozzlePressure";
inline constexpr std::string_view kNozzlePressureLabel = "lblNozzlePressure";
inline constexpr std::string_view kNozzleFigure = "txtNozzleFigure";
inline constexpr std::string_view kNozzleFigureLabel = "lblNozzleFigure";
inline constexpr std::string_view kResult = "txtResult";
inline constexpr std::string_view kShow = "cmdShow";
inline constexpr std::string_view kSaveLay = "cmdSaveLay";
inline constexpr std::string_view kDeleteLay = "cmdDeleteLay";
inline constexpr std::string_view kPrintCard = "cmdPrintCard";
inline constexpr std::string_view kSaveCardPdf = "cmdSaveCardPdf";
inline constexpr std::string_view kClose = "cmdClose";
}  // namespace lays_box

}  // namespace vardel::panel
