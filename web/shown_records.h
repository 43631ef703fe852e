#pragma once

#include <string>
#include <vector>

#include "panel/box_desk.h"

namespace vardel::web {

// What an open box's controls show, for the page: one record per control,
// its name, text, placeholder, chosen row, whether it is enabled, a grid's
// cells per row and its marked cells (by index, comma-separated), separated
// by unit separators, then its rows (a grid's cells), each after a group
// separator. Records are separated by record separators.
std::string shownRecords(const std::vector<panel::Shown>& shown);

}  // namespace vardel::web
