#pragma once

#include <cstdint>
#include <string>

#include "calc/conversion.h"

// A flow test of one lay, which works out a hose key's coefficient: the
// total flow through `lines` siamesed lines of `length`, the pressures read
// at the pump end and at the far end, and the rise of the far end above the
// pump (negative when it lies lower).
namespace vardel {

struct FlowTest {
  bool metric = false;
  double flow = 0, lines = 1, length = 0;
  double startPressure = 0, endPressure = 0, rise = 0;
};

struct FlowTestResult {
  double loss = 0;         // friction loss of the lay: start - end - rise x weight of water
  double coefficient = 0;  // loss / ((flow / 100 / lines)^2 x length / 100)
  std::string problem;     // why the test gives no coefficient; empty when it does
};

// Pressure of a column of water, per foot in psi and per metre in kPa.
inline constexpr double kWaterPsiPerFoot =
    9.80665 * conversion::kMetresPerFoot / conversion::kKilopascalsPerPsi;  // about 0.4335
inline constexpr double kWaterKilopascalsPerMetre = 9.80665;

FlowTestResult workOutCoefficient(const FlowTest& test, std::int16_t hose);

}  // namespace vardel
