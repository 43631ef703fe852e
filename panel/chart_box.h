#pragma once

#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// "Pump chart", as designed: the lay (a saved line or typed in: units,
// hose, nozzle pressure, lines, floors, the flows and the lengths), the
// paper, the chart's heading and its grid; Copy, Print, Save PDF and Close.
// What its controls show comes from panel/chart_desk.h.
const Dialog& chartBox();

namespace chart_box {
inline constexpr std::string_view kLay = "lstLay";
inline constexpr std::string_view kUnits = "lstUnits";
inline constexpr std::string_view kHose = "lstHose";
inline constexpr std::string_view kNozzle = "txtNozzle";
inline constexpr std::string_view kNozzleLabel = "lblNozzle";
inline constexpr std::string_view kLines = "txtLines";
inline constexpr std::string_view kFloors = "txtFloors";
inline constexpr std::string_view kPaper = "lstPaper";
inline constexpr std::string_view kFlows = "txtFlows";
inline constexpr std::string_view kFlowsLabel = "lblFlows";
inline constexpr std::string_view kLengths = "txtLengths";
inline constexpr std::string_view kLengthsLabel = "lblLengths";
inline constexpr std::string_view kHeading = "txtHeading";
inline constexpr std::string_view kChart = "grdChart";
inline constexpr std::string_view kCopy = "cmdCopy";
inline constexpr std::string_view kPrint = "cmdPrint";
inline constexpr std::string_view kSavePdf = "cmdSavePdf";
inline constexpr std::string_view kClose = "cmdClose";
}  // namespace chart_box

}  // namespace vardel::panel
