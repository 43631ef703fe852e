#pragma once

#include <string_view>

// The department file's field names, written once for its reader and writer
// (department_file.cpp) and for the reader of the file as written
// (kept_file.cpp). docs/department-file.md documents them.
namespace vardel::department_file::names {

inline constexpr std::string_view kFormat = "format";
inline constexpr std::string_view kVersion = "version";
inline constexpr std::string_view kName = "name";
inline constexpr std::string_view kInForce = "inForce";
inline constexpr std::string_view kHoses = "hoses";
inline constexpr std::string_view kPerFloor = "perFloor";
inline constexpr std::string_view kPumpLimit = "pumpLimit";
inline constexpr std::string_view kLines = "lines";
inline constexpr std::string_view kPracticeTolerance = "practiceTolerance";
inline constexpr std::string_view kHose = "hose";
// A pair's and a hose's two figures, and a line's unit system.
inline constexpr std::string_view kEnglish = "english";
inline constexpr std::string_view kMetric = "metric";
inline constexpr std::string_view kUnits = "units";
inline constexpr std::string_view kNozzlePressure = "nozzlePressure";
inline constexpr std::string_view kFlow = "flow";
inline constexpr std::string_view kLength = "length";
inline constexpr std::string_view kFloors = "floors";

}  // namespace vardel::department_file::names
