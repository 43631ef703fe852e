#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "calc/calculations.h"
#include "calc/unit_text.h"
#include "core/calculator_state.h"

// The guided calculations as data: for each, the flag that arms it, its first
// prompt, one row per press of Enter, its formula and how its result reads.
namespace vardel {

// What one press of Enter does with the display.
enum class StepKind : std::uint8_t {
  Value,   // reads a number; a lone keyed zero (" 0") is refused
  Hose,    // takes over the selected hose's coefficient; the display is not read
  Lines,   // reads a number of lines; "SIAMESE" and 0 both count one line
  Floors,  // reads a number of floors; "FLOORS" counts as 0, a keyed 0 is 0
};

// How the number read is kept in the step's field.
enum class Stored : std::uint8_t {
  AsKeyed,
  InHundreds,   // divided by 100: flows and lengths of the hose calculations
  AsElevation,  // floors x 4.3 psi, or x 29.65 kPa in metric units
};

// The "next prompt" of a calculation's last step: it shows the result.
inline constexpr UnitText kResult{};

struct Step {
  StepKind kind;
  double WorkingValues::*field;
  Stored stored;
  UnitText next;  // prompt shown after the step, or kResult
  // Where the number is also kept as read, when the field holds it in a form
  // that cannot be turned back into it (floors as an elevation pressure).
  double WorkingValues::*asRead = nullptr;

  constexpr bool showsResult() const { return next == kResult; }
};

struct Sequence {
  std::int16_t CalculatorState::*flag;
  UnitText firstPrompt;
  std::span<const Step> steps;  // steps[0] is what the first Enter does
  bool (*formula)(CalculatorState&);
  double WorkingValues::*result;
  UnitText unitWord;
};

namespace sequence_steps {

using W = WorkingValues;
using enum StepKind;
using enum Stored;
namespace p = prompts;

// clang-format off
inline constexpr Step kFRStraightTip[] = {
    {Value, &W::dblFRStraightTipPressure, AsKeyed, p::kTipDiameter},
    {Value, &W::dblFRStraightTipDiameter, AsKeyed, kResult},
};
inline constexpr Step kFRFogNozzle[] = {
    {Value, &W::dblFRFogNozzlePressure, AsKeyed, p::kRatedFlow},
    {Value, &W::dblFRFogNozzleRatedFlow, AsKeyed, p::kRatedPressure},
    {Value, &W::dblFRFogNozzleRatedPressure, AsKeyed, kResult},
};
inline constexpr Step kRFStraightTip[] = {
    {Value, &W::dblRFStraightTipPressure, AsKeyed, p::kTipDiameter},
    {Value, &W::dblRFStraightTipDiameter, AsKeyed, kResult},
};
inline constexpr Step kRFFogNozzle[] = {
    {Value, &W::dblRFFogNozzlePressure, AsKeyed, p::kFlow},
    {Value, &W::dblRFFogNozzleFlow, AsKeyed, kResult},
};
inline constexpr Step kAppRate[] = {
    {Value, &W::dblAppRateLength, AsKeyed, p::kWidth},
    {Value, &W::dblAppRateWidth, AsKeyed, kResult},
};
inline constexpr Step kFrictionLoss[] = {
    {Value, &W::dblFrictionLossFlow, InHundreds, p::kHoseSize},
    {Hose, &W::dblFrictionLossCoefficient, AsKeyed, p::kSiamese},
    {Lines, &W::dblFrictionLossLines, AsKeyed, p::kLength},
    {Value, &W::dblFrictionLossLength, InHundreds, kResult},
};
inline constexpr Step kEnginePressure[] = {
    {Value, &W::dblEnginePressureNozzlePressure, AsKeyed, p::kFlow},
    {Value, &W::dblEnginePressureFlow, InHundreds, p::kHoseSize},
    {Hose, &W::dblEnginePressureCoefficient, AsKeyed, p::kSiamese},
    {Lines, &W::dblEnginePressureLines, AsKeyed, p::kLength},
    {Value, &W::dblEnginePressureLength, InHundreds, p::kFloors},
    {Floors, &W::dblEnginePressureElevation, AsElevation, kResult, &W::dblEnginePressureFloors},
};
// clang-format on

}  // namespace sequence_steps

namespace sequences {

using S = CalculatorState;
using W = WorkingValues;
namespace steps = sequence_steps;

// clang-format off
inline constexpr Sequence kFRStraightTip{&S::bolFRStraightTip, prompts::kNozzlePressure,
                                         steps::kFRStraightTip, CalcFRStraightTip,
                                         &W::dblFRStraightTipResult, unit_words::kFlow};
inline constexpr Sequence kFRFogNozzle{&S::bolFRFogNozzle, prompts::kNozzlePressure,
                                       steps::kFRFogNozzle, CalcFRFogNozzle,
                                       &W::dblFRFogNozzleResult, unit_words::kFlow};
inline constexpr Sequence kRFStraightTip{&S::bolRFStraightTip, prompts::kNozzlePressure,
                                         steps::kRFStraightTip, CalcRFStraightTip,
                                         &W::dblRFStraightTipResult, unit_words::kForce};
inline constexpr Sequence kRFFogNozzle{&S::bolRFFogNozzle, prompts::kNozzlePressure,
                                       steps::kRFFogNozzle, CalcRFFogNozzle,
                                       &W::dblRFFogNozzleResult, unit_words::kForce};
inline constexpr Sequence kAppRate{&S::bolAppRate, prompts::kLength, steps::kAppRate,
                                   CalcAppRate, &W::dblAppRateResult, unit_words::kFlow};
inline constexpr Sequence kFrictionLoss{&S::bolFrictionLoss, prompts::kFlow,
                                        steps::kFrictionLoss, CalcFrictionLoss,
                                        &W::dblFrictionLossResult, unit_words::kPressure};
inline constexpr Sequence kEnginePressure{&S::bolEnginePressure, prompts::kNozzlePressure,
                                          steps::kEnginePressure, CalcEnginePressure,
                                          &W::dblEnginePressureResult, unit_words::kPressure};
// clang-format on

// In the order in which Enter tests the calculation flags.
inline constexpr std::array<const Sequence*, 7> kInEnterOrder = {
    &kFRStraightTip, &kFRFogNozzle,  &kRFStraightTip,  &kRFFogNozzle,
    &kAppRate,       &kFrictionLoss, &kEnginePressure,
};

// The calculation that Enter serves: the first set flag in Enter's order, or
// nullptr when none is armed.
inline const Sequence* armedSequence(const CalculatorState& s) {
  for (const Sequence* sequence : kInEnterOrder) {
    if (s.*sequence->flag != 0) return sequence;
  }
  return nullptr;
}

// Exactly the last step of every sequence shows the result.
constexpr bool endsInResult(const Sequence& sequence) {
  for (std::size_t i = 0; i < sequence.steps.size(); ++i) {
    if (sequence.steps[i].showsResult() != (i + 1 == sequence.steps.size())) return false;
  }
  return !sequence.steps.empty();
}
static_assert(endsInResult(kFRStraightTip) && endsInResult(kFRFogNozzle) &&
              endsInResult(kRFStraightTip) && endsInResult(kRFFogNozzle) &&
              endsInResult(kAppRate) && endsInResult(kFrictionLoss) &&
              endsInResult(kEnginePressure));

}  // namespace sequences

}  // namespace vardel
