#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vardel {

struct DepartmentValues;  // calc/department_values.h

// Flag values. The public flags and bolPromptShown hold True as -1 and False
// as 0; the keypad flags hold 1 or 0. Every test is for a value other than 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The unit codes that strEorM and the indicator hold.
inline const std::string kEnglishUnits = "E";
inline const std::string kMetricUnits = "M";

// The stored inputs and results of the five calculations. Each calculation
// reads only its own; all are 0 at start-up and after ALL CLEAR.
struct WorkingValues {
  // Friction loss: flow and length are stored in hundreds.
  double dblFrictionLossFlow = 0;
  double dblFrictionLossCoefficient = 0;
  double dblFrictionLossLines = 0;
  double dblFrictionLossLength = 0;
  double dblFrictionLossResult = 0;
  // Engine pressure: flow and length in hundreds, floors as elevation pressure.
  // The number of floors keyed is kept as well, so that a review can show it.
  double dblEnginePressureNozzlePressure = 0;
  double dblEnginePressureFlow = 0;
  double dblEnginePressureCoefficient = 0;
  double dblEnginePressureLines = 0;
  double dblEnginePressureLength = 0;
  double dblEnginePressureElevation = 0;
  double dblEnginePressureFloors = 0;
  double dblEnginePressureResult = 0;
  // Nozzle flow rate.
  double dblFRStraightTipPressure = 0;
  double dblFRStraightTipDiameter = 0;
  double dblFRStraightTipResult = 0;
  double dblFRFogNozzlePressure = 0;
  double dblFRFogNozzleRatedFlow = 0;
  double dblFRFogNozzleRatedPressure = 0;
  double dblFRFogNozzleResult = 0;
  // Nozzle reaction force.
  double dblRFStraightTipPressure = 0;
  double dblRFStraightTipDiameter = 0;
  double dblRFStraightTipResult = 0;
  double dblRFFogNozzlePressure = 0;
  double dblRFFogNozzleFlow = 0;
  double dblRFFogNozzleResult = 0;
  // Application rate.
  double dblAppRateLength = 0;
  double dblAppRateWidth = 0;
  double dblAppRateResult = 0;

  // What the armed calculation has taken, step by step, so that a review
  // shows and takes back exactly what its result used. Each input is kept as
  // the display showed it when Enter took it, without blanks around it; a
  // prompt taken as "nothing keyed" is kept as the number it stood for.
  std::array<std::string, 6> inputTexts{};
  std::int16_t hoseTaken = -1;            // the hose-table row the hose step took
  std::string resultText{};               // the result last shown; F2 acts only while it is shown
  bool resultInMetric = false;            // the unit system of that result
  bool departmentUsed = false;            // a department's figure went into it:
  bool coefficientIsDepartments = false;  // the hose's coefficient,
  bool perFloorIsDepartments = false;     // or the elevation of a floor
  double perFloorUsed = 0;                // psi or kPa per floor
  std::string departmentName{};           // whose figures they were
  std::string departmentOrigin{};         // and where they came from, "issued 2026-12-01"
  bool overLimit = false;                 // a pump pressure above the department's limit,
  double pumpLimitUsed = 0;               // which was this
  bool overCapacity = false;              // a lay's total flow above its pump's capacity
  // The working of a lay whose pump pressure is the result: written when it
  // is shown, as no calculation is armed to write it from.
  std::vector<std::string> layWorking{};

  bool operator==(const WorkingValues&) const = default;
};

// The whole state of the calculator: one record, changed only by the actions.
// The display and indicator texts are part of it; the window only shows them.
struct CalculatorState {
  // Public flags (True -1, False 0).
  std::int16_t bolCalculation = kFalse;  // a guided calculation is armed
  std::int16_t bolEnginePressure = kFalse;
  std::int16_t bolFrictionLoss = kFalse;
  std::int16_t bolFRStraightTip = kFalse;
  std::int16_t bolFRFogNozzle = kFalse;
  std::int16_t bolRFStraightTip = kFalse;
  std::int16_t bolRFFogNozzle = kFalse;
  std::int16_t bolAppRate = kFalse;
  std::int16_t bolReview = kFalse;             // the stored inputs of a result are being walked
  std::int16_t bolMeasurementChange = kFalse;  // units switched since the last calculation key

  // Keypad (1 or 0, except the accumulator and the pending operator 0 to 4).
  std::int16_t intDecimalPoint = 0;   // the number being keyed holds a point
  std::int16_t intOperatorKeyed = 0;  // the last keypad key was an operator
  double dblAccumulator = 0;          // running result of the chain
  std::int16_t intEntryStarted = 0;   // a number is being keyed
  std::int16_t intOperator = 0;       // pending operator, index of command2

  std::string strEorM = "E";  // "E" English, anything else metric

  // Selected hose: coefficient 0 means none chosen. The row says which key
  // chose it, so that its coefficient can follow a change of unit system.
  double dblHoseCoefficient = 0;
  std::string strHoseSize = "0";
  std::int16_t selectedHose = -1;  // row of the hose table, -1 for none

  std::int16_t intStep = 0;              // step the current Enter press performs
  std::int16_t bolPromptShown = kFalse;  // a prompt is shown; the next digit replaces it

  WorkingValues working;

  // The department's figures while they are in force, else none: the
  // published figures stand. Set by the front end that owns the values.
  const DepartmentValues* department = nullptr;

  std::string text1 = "VORNA";  // the display: the calculator's one line of output
  std::string txtEorM = "E";    // the unit indicator

  bool operator==(const CalculatorState&) const = default;
};

// True when the unit system in force is English.
bool isEnglish(const CalculatorState& state);

// The resets that start-up, ALL CLEAR and the typed "C" share.
// The keypad at rest: no number keyed, no operator pending, accumulator 0.
void restKeypad(CalculatorState& state);
// The nine flags of the guided calculations, bolReview included, to False.
void clearCalculationFlags(CalculatorState& state);
// No hose chosen: coefficient 0, size text "0".
void clearSelectedHose(CalculatorState& state);
// The next digit or point starts a new number (" 8", " ."), as after "=":
// used where a result or "ERROR" replaces what was being keyed.
void endEntry(CalculatorState& state);

}  // namespace vardel
