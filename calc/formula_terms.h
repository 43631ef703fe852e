#pragma once

#include <cmath>

// The formulas' constants and terms, formed in the order in which the
// calculations form them. The formula procedures and the working of a result
// both take their numbers from here, so the working cannot disagree with the
// result it explains.
namespace vardel::formula {

// A constant of a formula in each unit system, as published.
struct Constant {
  double english, metric;
  double in(bool metric) const { return metric ? this->metric : english; }
};
inline constexpr Constant kTipFlow{29.71, 0.0667766};     // per (in or mm)^2 per root pressure
inline constexpr Constant kTipReaction{1.57, 0.0015};     // per (in or mm)^2 per pressure
inline constexpr Constant kFogReaction{0.0505, 0.02259};  // per flow per root pressure
inline constexpr Constant kAreaPerFlow{3, 0.0737};        // ft^2 per gpm, or m^2 per L/min

// d x d x C x sqrt(P): the flow of a straight tip; d x d x C x P: its reaction.
struct StraightTip {
  double dSquared, root, result;
};
inline StraightTip straightTipFlow(double d, double pressure, double c) {
  const double dSquared = d * d;
  const double root = std::sqrt(pressure);
  return {dSquared, root, dSquared * c * root};
}
inline StraightTip straightTipReaction(double d, double pressure, double c) {
  const double dSquared = d * d;
  return {dSquared, 0, dSquared * c * pressure};
}

// Rated flow / sqrt(rated pressure) x sqrt(pressure); the division first.
struct FogFlow {
  double ratedRoot, root, result;
};
inline FogFlow fogFlow(double ratedFlow, double ratedPressure, double pressure) {
  const double ratedRoot = std::sqrt(ratedPressure);
  const double root = std::sqrt(pressure);
  return {ratedRoot, root, ratedFlow / ratedRoot * root};
}

// Q x C x sqrt(P).
struct FogReaction {
  double root, result;
};
inline FogReaction fogReaction(double flow, double pressure, double c) {
  const double root = std::sqrt(pressure);
  return {root, flow * c * root};
}

// Width x length / area per unit of flow.
struct AppRate {
  double area, result;
};
inline AppRate appRate(double length, double width, double areaPerFlow) {
  const double area = width * length;
  return {area, area / areaPerFlow};
}

// The friction loss of a lay: q = flow / lines, then q x q x C x length,
// flow and length in hundreds.
struct LayLoss {
  double q, qSquared, loss;
};
inline LayLoss layLoss(double flow, double lines, double c, double length) {
  const double q = flow / lines;
  return {q, q * q, q * q * c * length};
}

// Friction loss + nozzle pressure + elevation pressure, added in this order.
inline double enginePressure(double loss, double nozzlePressure, double elevation) {
  return loss + nozzlePressure + elevation;
}

}  // namespace vardel::formula
