#pragma once

#include <utility>
#include <vector>

#include "panel/control.h"

class QWidget;

namespace vardel::ui {

// Any control of any window, made from its row: a key of the panel (a row
// with a calculator key) or of a box, a label, the indicator, a frame, a
// picture, a line, a field, a list, a text or a grid, at its designed
// place, named by its design name (an array's index in the property
// "index"), in its font, state and spoken name. The window wires it.
QWidget* makeControl(const panel::Control& row, QWidget* parent);

// The designed tab order of the controls given, each with its tab index;
// returns the first, or nothing.
QWidget* orderTabs(std::vector<std::pair<int, QWidget*>> stops);

}  // namespace vardel::ui
