#pragma once

#include <span>

#include "core/calculator.h"
#include "panel/control.h"

namespace vardel::panel {

// The main window frmVardel as designed: one row per control, the menu bar
// apart (panel/menus.h). The Qt window and the web page are built from these
// rows, and the tests walk the same rows.
std::span<const Control> panelControls();

// The mark beside a result that a department's figures went into: no
// designed control, but a small label inside the display, right of the unit
// indicator, where no display text reaches while a result is shown. Hidden
// while it has no text, so that standard mode shows exactly the design.
const Control& markControl();

// The window's client area.
inline constexpr int kClientWidthTwips = 4875;
inline constexpr int kClientHeightTwips = 8145;

// Whether a control of the panel is enabled now: as designed, or enabled by
// start-up.
bool isEnabled(const Control& row, const Calculator& calculator);

}  // namespace vardel::panel
