#pragma once

#include <string>
#include <string_view>

#include "panel/control.h"

namespace vardel::panel {

// The Department menu's boxes as designed: one row per control, as the
// About box is. Both front ends build them from these rows; what their
// fields, lists and labels show comes from panel/department_desk.h.

// "Department values": the name, each hose key's coefficient in both unit
// systems, the elevation per floor and the pump pressure limit, and the
// flow test that works out a coefficient; Save and Cancel.
const Dialog& valuesBox();

// "Saved lines": the lines kept, the one chosen described, Recall and
// Delete; a name to save the engine-pressure result on the display under.
const Dialog& linesBox();

// "Import department values": what taking the file would change, then
// Apply or Cancel.
const Dialog& importBox();

// The design names of the values box's fields of hose row `hose`.
std::string englishField(int hose);
std::string metricField(int hose);

}  // namespace vardel::panel
