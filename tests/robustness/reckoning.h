#pragma once

// An independent reckoning of what a result must show: the design's
// constants, its rounding and its way of writing a whole number, and a strict
// reading of a display text, all written here with the C library. Nothing
// here calls the program's formulas, rounding, number texts or tables, so
// the oracle and the honesty model that use it judge the program from
// outside.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace vardel::reckoning {

// The formulas' constants as the design states them, English and metric.
struct Constant {
  double english, metric;
  double in(bool isMetric) const { return isMetric ? metric : english; }
};
inline constexpr Constant kTipFlow{29.71, 0.0667766};      // per (in or mm)^2 per root pressure
inline constexpr Constant kTipReaction{1.57, 0.0015};      // per (in or mm)^2 per pressure
inline constexpr Constant kFogReaction{0.0505, 0.02259};   // per flow per root pressure
inline constexpr Constant kAreaPerFlow{3, 0.0737};         // ft^2 per gpm, or m^2 per lpm
inline constexpr Constant kElevationPerFloor{4.3, 29.65};  // psi or kPa per floor

inline std::optional<double> finite(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

// Friction loss of a lay: flow and length in hundreds, a count of 0 lines
// (or nothing keyed) meaning one line.
inline std::optional<double> frictionLoss(double flow, double coefficient, double lines,
                                          double length) {
  const double q = (flow / 100) / (lines == 0 ? 1 : lines);
  return finite(q * q * coefficient * (length / 100));
}

// Nearest whole number, an exact half to the even neighbour.
inline double halfToEven(double x) {
  if (!(std::fabs(x) < 4503599627370496.0)) return x;  // 2^52 and up: already whole
  const double below = std::floor(x);
  const double fraction = x - below;
  if (fraction > 0.5) return below + 1;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

// A whole number as the display writes it: in full below 10^15, else with 15
// significant digits in exponent form without trailing zeros ("2.971E+31").
inline std::string wholeText(double r) {
  if (r == 0) return "0";
  char buffer[64];
  if (std::fabs(r) < 1e15) {
    std::snprintf(buffer, sizeof buffer, "%.0f", r);
    return buffer;
  }
  std::snprintf(buffer, sizeof buffer, "%.14E", r);
  std::string text = buffer;
  const std::size_t e = text.find('E');
  std::string mantissa = text.substr(0, e);
  while (mantissa.back() == '0') mantissa.pop_back();
  if (mantissa.back() == '.') mantissa.pop_back();
  return mantissa + text.substr(e);
}

// The display a result should give: "ERROR" when the reckoning faulted.
inline std::string expected(const std::string& word, std::optional<double> result) {
  if (!result || !std::isfinite(*result)) return "ERROR";
  return word + wholeText(halfToEven(*result));
}

// A display text read as the Enter key must: the whole text, less blanks
// around it, one decimal number ([sign] digits with at most one point, at
// least one digit, [E [sign] digits]). Nothing for any other text, or for a
// number beyond 1.79769313486232E+308, the largest text the display writes,
// which reads as the largest double.
inline std::optional<double> readNumber(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int digits = 0, points = 0;
  for (; i < text.size() && (digit(text[i]) || text[i] == '.'); ++i) {
    (text[i] == '.' ? points : digits) += 1;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t first = j;
    while (j < text.size() && digit(text[j])) ++j;
    if (j > first) i = j;
  }
  if (i != text.size()) return std::nullopt;
  const std::string number(text);
  const long double wide = std::strtold(number.c_str(), nullptr);
  if (std::fabs(wide) > 1.79769313486232e308L) return std::nullopt;
  const double value = std::strtod(number.c_str(), nullptr);
  if (std::isinf(value)) return std::copysign(1.7976931348623157e308, value);
  return value;
}

}  // namespace vardel::reckoning
