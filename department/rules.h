#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/department_values.h"

// What a department may set: the bounds of each figure, and why a figure or
// a whole record cannot be taken. Each check takes the figure in the unit
// system named by `metric` and returns an empty text when it can be taken.
namespace vardel {

namespace bounds {
inline constexpr double kCoefficientFactor = 5;        // within 1/5 to 5 times the published figure
inline constexpr double kPerFloorEnglish[] = {2, 10};  // psi
inline constexpr double kPerFloorMetric[] = {14, 69};  // kPa
inline constexpr double kPumpLimitEnglish[] = {50, 600};        // psi
inline constexpr double kPumpLimitMetric[] = {350, 4150};       // kPa
inline constexpr double kPracticeToleranceEnglish[] = {1, 25};  // psi
inline constexpr double kPracticeToleranceMetric[] = {7, 170};  // kPa
inline constexpr std::size_t kNameLength = 40;                  // characters (UTF-8 code points)
inline constexpr std::size_t kMostLines = 100;
}  // namespace bounds

std::string checkCoefficient(std::int16_t hose, bool metric, double value);
std::string checkPerFloor(bool metric, double value);
std::string checkPumpLimit(bool metric, double value);
std::string checkPracticeTolerance(bool metric, double value);
std::string checkName(std::string_view name, std::string_view what);
// The whole record: every figure within its bounds, names unique, and every
// line computing when it is recalled.
std::string checkValues(const DepartmentValues& values);

// "between 2 and 10 psi"
std::string rangeText(const double (&limits)[2], std::string_view unit);

}  // namespace vardel
