#include "core/unit_switch.h"

namespace vardel {

void cmdEnglishMetric_Click(Calculator& calculator) {
  // The indicator decides the direction; it always agrees with strEorM.
  const std::string& next =
      calculator.state.txtEorM == kEnglishUnits ? kMetricUnits : kEnglishUnits;
  calculator.showIndicator(next);
  calculator.state.strEorM = next;
  calculator.state.bolMeasurementChange = kTrue;
}

}  // namespace vardel
