#pragma once

#include "core/calculator.h"

namespace vardel {

// ENGLISH METRIC: switches the unit system and its indicator. Nothing entered
// is converted; the display, the keypad and a guided calculation carry on.
void cmdEnglishMetric_Click(Calculator& calculator);

}  // namespace vardel
