#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/department_values.h"
#include "core/calculator.h"

// Named engine-pressure lines: recalled by keying their values, saved from
// the engine-pressure result on the display.
namespace vardel {

// Recalls a line: ENGLISH METRIC first when the line was keyed in the other
// unit system, then ENGINE PRESSURE, and each prompt answered with the
// line's value keyed digit by digit (a negative one with +/-), its hose key
// at HOSE SIZE, and Enter; it stops at ERROR. The display then shows
// exactly what keying those values shows, and F2 walks them.
void recallLine(Calculator& calculator, const SavedLine& line);

// The state a line leaves when it is recalled on a calculator of its own,
// started afresh, with `department` in force (none: the published figures).
CalculatorState recalledOnItsOwn(const SavedLine& line, const DepartmentValues* department);

// Whether a value is a number as the keypad keys it: an optional "-" (the
// sign key after the digits), then digits with at most one point.
bool isKeyable(std::string_view text);

// Why a line cannot be kept: a value that is not a plain number, or values
// that end in ERROR when recalled with `values` in force. Empty when it can.
std::string checkLine(const SavedLine& line, const DepartmentValues& values);

// The engine-pressure result on the display as a line named `name`, with the
// values and the unit system that the result used; nothing when the display
// shows no engine-pressure result.
std::optional<SavedLine> lineOfResult(const CalculatorState& state, const std::string& name);

// A line in words, without its name: "100 psi at the nozzle, 150 gpm through
// 1 line of 200 ft of 1 3/4" hose, 0 floors".
std::string describeLine(const SavedLine& line);

}  // namespace vardel
