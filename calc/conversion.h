#pragma once

// Exact conversions between the unit systems: psi and kPa, and a friction
// coefficient in psi per (100 gpm)^2 per 100 ft and in kPa per (100 L/min)^2
// per 100 m (one metric unit is about 1.5786 English ones).
namespace vardel::conversion {

inline constexpr double kKilopascalsPerPsi =
    6.894757293168361;  // 0.45359237 kg x 9.80665 / 0.0254^2
inline constexpr double kLitresPerGallon = 3.785411784;
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kCoefficient =
    kKilopascalsPerPsi / (kLitresPerGallon * kLitresPerGallon * kMetresPerFoot);

double coefficient(double value, bool toMetric);
double pressure(double value, bool toMetric);
// gpm and L/min.
double flow(double value, bool toMetric);

}  // namespace vardel::conversion
