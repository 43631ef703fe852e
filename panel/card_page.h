#pragma once

#include "department/pump_card.h"
#include "panel/printed_page.h"

namespace vardel::panel {

// The pump panel card on one page: its title and footer as the heading, and
// a grid of one row per saved line and lay (its name, its lay, its flow, its
// pump pressure with its marks, shaded where one is over its limit or its
// pump's capacity), each lay followed by a row per discharge and branch with
// its gate.
PrintedPage cardPage(const PumpCard& card, Paper paper);

}  // namespace vardel::panel
