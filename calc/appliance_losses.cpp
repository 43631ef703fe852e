#include "calc/appliance_losses.h"

#include "calc/conversion.h"

namespace vardel {

ApplianceLosses applianceLosses(const CalculatorState& state) {
  const ApplianceLosses published = publishedApplianceLosses(!isEnglish(state));
  return {departmentOr(state, &DepartmentValues::wyeFrom, published.threshold.value),
          departmentOr(state, &DepartmentValues::wyeLoss, published.manifold.value),
          departmentOr(state, &DepartmentValues::standpipeLoss, published.standpipe.value),
          departmentOr(state, &DepartmentValues::masterStreamLoss, published.masterStream.value)};
}

ApplianceLosses publishedApplianceLosses(bool metric) {
  const double threshold = 350, manifold = 10, standpipe = 25, masterStream = 25;
  if (!metric) return {{threshold}, {manifold}, {standpipe}, {masterStream}};
  return {{conversion::flow(threshold, true)},
          {conversion::pressure(manifold, true)},
          {conversion::pressure(standpipe, true)},
          {conversion::pressure(masterStream, true)}};
}

Figure applianceLoss(const ApplianceLosses& losses, Appliance appliance, double flow) {
  switch (appliance) {
    case Appliance::None:
      return {};
    case Appliance::Wye:
    case Appliance::Siamese:
      if (flow < losses.threshold.value) return {0, losses.threshold.department};
      return {losses.manifold.value, losses.threshold.department || losses.manifold.department};
    case Appliance::Standpipe:
      return losses.standpipe;
    case Appliance::MasterStream:
      return losses.masterStream;
  }
  return {};
}

}  // namespace vardel
