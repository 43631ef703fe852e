#pragma once

#include "core/calculator.h"

namespace vardel {

// The Enter key: counts the press in intStep and performs that step of the
// armed calculation: takes the display as the value asked for and shows the
// next prompt, or at the last step runs the formula and shows the result.
// Every failure on the way (a lone keyed zero, a text that is not a number,
// no hose chosen, a fault in a formula, the step counter running over) ends
// in ALL CLEAR and "ERROR", with no message box and the focus left alone.
// With nothing armed, or after the result, a press changes only the counter.
void cmdEnter_Click(Calculator& calculator);

// The review walk of a result's inputs. It starts only while a result is on
// display (a calculation armed and past its last step, no review running);
// anywhere else it changes nothing. It shows the first prompt again, and then
// each input takes two presses of Enter: the first shows what the input
// holds, the second takes the display as that input, kept or keyed anew. The
// last input's second press shows the new result and ends the walk.
bool canReview(const CalculatorState& state);
void startReview(Calculator& calculator);

}  // namespace vardel
