#pragma once

#include <functional>

#include "panel/box_desk.h"

class QWidget;

namespace vardel::ui {

// Shows the desk's open box until the desk closes it or the user does.
// After each of the user's actions the box is drawn again (or closed),
// `changed` runs and a refusal is told in a message box. A key with an
// output copies the desk's text, or prints or saves its page as a PDF.
void runBox(panel::BoxDesk& desk, QWidget* owner, const std::function<void()>& changed);

}  // namespace vardel::ui
