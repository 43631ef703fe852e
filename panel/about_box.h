#pragma once

#include "panel/control.h"

namespace vardel::panel {

// The About box frmAbout as designed: the program's icon, title and version,
// a description, an etched rule and a warning line, and OK. Its title and the
// texts of its title and version labels come from the program's title and
// version, as its load step sets them at every opening.
const Dialog& aboutBox();

// The Help menu's item that opens it: "&About " and the program's title.
std::string aboutItemCaption();

}  // namespace vardel::panel
