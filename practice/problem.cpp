#include "practice/problem.h"

namespace vardel::practice {

std::optional<KeyKind> functionKey(ProblemKind kind) {
  switch (kind) {
    case ProblemKind::FrictionLoss:
      return KeyKind::FrictionLoss;
    case ProblemKind::EnginePressure:
      return KeyKind::EnginePressure;
    case ProblemKind::TipFlow:
      return KeyKind::StraightTipFR;
    case ProblemKind::FogFlow:
      return KeyKind::FogNozzleFR;
    case ProblemKind::TipReaction:
      return KeyKind::StraightTipRF;
    case ProblemKind::FogReaction:
      return KeyKind::FogNozzleRF;
    case ProblemKind::AppRate:
      return KeyKind::ApplicRate;
    case ProblemKind::WyedLay:
    case ProblemKind::SeveralLines:
      return std::nullopt;
  }
  return std::nullopt;
}

Quantity quantityOf(ProblemKind kind) {
  switch (kind) {
    case ProblemKind::FrictionLoss:
    case ProblemKind::EnginePressure:
    case ProblemKind::WyedLay:
    case ProblemKind::SeveralLines:
      return Quantity::Pressure;
    case ProblemKind::TipReaction:
    case ProblemKind::FogReaction:
      return Quantity::Force;
    case ProblemKind::TipFlow:
    case ProblemKind::FogFlow:
    case ProblemKind::AppRate:
      return Quantity::Flow;
  }
  return Quantity::Flow;
}

}  // namespace vardel::practice
