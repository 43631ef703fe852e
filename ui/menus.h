#pragma once

#include <functional>

#include "panel/desks.h"
#include "panel/menus.h"

class QMenu;
class QWidget;

namespace vardel::ui {

// A menu of the window, built from its design's rows: each item an action
// named by its row, checkable where the row says. The items' states are
// asked of `desks` as the menu opens (nothing changes them while it is
// open); a chosen item's command goes to `chosen`.
QMenu* makeMenu(const panel::Menu& design, QWidget* owner, const panel::Desks& desks,
                const std::function<void(panel::Command)>& chosen);

}  // namespace vardel::ui
