#include "calc/conversion.h"

namespace vardel::conversion {

double coefficient(double value, bool toMetric) {
  return toMetric ? value * kCoefficient : value / kCoefficient;
}

double pressure(double value, bool toMetric) {
  return toMetric ? value * kKilopascalsPerPsi : value / kKilopascalsPerPsi;
}

double flow(double value, bool toMetric) {
  return toMetric ? value * kLitresPerGallon : value / kLitresPerGallon;
}

}  // namespace vardel::conversion
