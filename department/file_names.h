#pragma once

#include <array>
#include <string_view>

// The department file's field names, written once for its reader and writer
// (department_file.cpp) and for the reader of the file as written
// (kept_file.cpp). docs/department-file.md documents them.
namespace vardel::department_file::names {

inline constexpr std::string_view kFormat = "format";
inline constexpr std::string_view kVersion = "version";
inline constexpr std::string_view kName = "name";
inline constexpr std::string_view kIssued = "issued";
inline constexpr std::string_view kInForce = "inForce";
inline constexpr std::string_view kHoses = "hoses";
inline constexpr std::string_view kPerFloor = "perFloor";
inline constexpr std::string_view kPumpLimit = "pumpLimit";
inline constexpr std::string_view kLines = "lines";
inline constexpr std::string_view kHose = "hose";
// A pair's and a hose's two figures, and a line's unit system.
inline constexpr std::string_view kEnglish = "english";
inline constexpr std::string_view kMetric = "metric";
inline constexpr std::string_view kUnits = "units";
inline constexpr std::string_view kNozzlePressure = "nozzlePressure";
inline constexpr std::string_view kFlow = "flow";
inline constexpr std::string_view kLength = "length";
inline constexpr std::string_view kFloors = "floors";
// The appliance losses and the pump's rating (version 2 on).
inline constexpr std::string_view kWyeFrom = "wyeFrom";
inline constexpr std::string_view kWyeLoss = "wyeLoss";
inline constexpr std::string_view kStandpipeLoss = "standpipeLoss";
inline constexpr std::string_view kMasterStreamLoss = "masterStreamLoss";
inline constexpr std::string_view kRatedFlow = "ratedFlow";
inline constexpr std::string_view kIntake = "intake";
// The tolerance of a practice answer (version 2 on).
inline constexpr std::string_view kPracticeTolerance = "practiceTolerance";
// The saved lays (version 2 on) and the objects of a lay (lay_file.cpp).
inline constexpr std::string_view kLays = "lays";
inline constexpr std::string_view kDischarges = "discharges";
inline constexpr std::string_view kAppliance = "appliance";
inline constexpr std::string_view kNozzle = "nozzle";
inline constexpr std::string_view kApplianceRise = "applianceRise";
inline constexpr std::string_view kBranches = "branches";
inline constexpr std::string_view kSize = "size";
inline constexpr std::string_view kRise = "rise";
inline constexpr std::string_view kUnit = "unit";
inline constexpr std::string_view kAmount = "amount";
inline constexpr std::string_view kKind = "kind";
inline constexpr std::string_view kPressure = "pressure";
inline constexpr std::string_view kTip = "tip";
// The names of an enumeration's values, in the enumeration's order.
inline constexpr std::array<std::string_view, 5> kAppliances = {"line", "wye", "siamese",
                                                                "standpipe", "masterStream"};
inline constexpr std::array<std::string_view, 2> kElevationUnits = {"floors", "height"};
inline constexpr std::array<std::string_view, 2> kNozzleKinds = {"fog", "tip"};

}  // namespace vardel::department_file::names
