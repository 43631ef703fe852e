#pragma once

#include "core/calculator.h"
#include "core/key.h"

namespace vardel {

// Start-up: rests the calculator in English units, enables the eight function
// keys and makes Enter the default key. The display keeps its "VORNA".
void Form_Load(Calculator& calculator);
// The hidden ON key: enables the eight function keys again.
void CmdOn_Click(Calculator& calculator);
// OFF: closes the window and so ends the program. Nothing is saved.
void cmdOff_Click(Calculator& calculator);

// Whether start-up enables the keys of this kind: the seven calculation keys
// and ENGLISH METRIC, which the panel designs disabled.
bool enabledByStartUp(KeyKind kind);

}  // namespace vardel
