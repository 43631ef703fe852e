#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/department_values.h"

// What a department may set: the bounds of each figure, and why a figure or
// a whole record cannot be taken. Each check takes the figure in the unit
// system named by `metric` and returns an empty text when it can be taken.
namespace vardel {

namespace bounds {
inline constexpr double kCoefficientFactor = 5;  // within 1/5 to 5 times the published figure
inline constexpr std::size_t kNameLength = 40;   // characters (UTF-8 code points)
inline constexpr std::size_t kMostLines = 100;
inline constexpr std::size_t kMostLays = 50;
}  // namespace bounds

// What a figure of both unit systems measures, which decides its units and
// its conversion.
enum class Quantity : std::uint8_t { Pressure, Flow };

// One of the department's figures other than the coefficients, with its
// bounds in each unit system.
struct FigureRule {
  UnitPair DepartmentValues::*figure;
  std::string_view name;  // as a list of changes names it: "Pump pressure limit"
  std::string_view what;  // how a refusal names it: "The pump pressure limit"
  Quantity quantity;
  double english[2], metric[2];
};
// The elevation per floor, the pump pressure limit, the appliance losses,
// the pump's rated flow and intake pressure, and the tolerance of a
// practice answer, in this order.
std::span<const FigureRule> figureRules();
// The rule of `figure`.
const FigureRule& ruleOf(UnitPair DepartmentValues::*figure);

std::string checkCoefficient(std::int16_t hose, bool metric, double value);
std::string checkFigure(const FigureRule& rule, bool metric, double value);
std::string checkName(std::string_view name, std::string_view what);
// The whole record: every figure within its bounds, names unique, every
// line computing when it is recalled, every lay within its own bounds.
std::string checkValues(const DepartmentValues& values);

// A day as ISO 8601 writes it, "2026-12-01", and one the calendar has: the
// day of an issue.
bool isDay(std::string_view text);

// "between 2 and 10 psi"
std::string rangeText(const double (&limits)[2], std::string_view unit);

}  // namespace vardel
