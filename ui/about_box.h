#pragma once

class QWidget;

namespace vardel::ui {

// Shows the About box modally over `owner` and returns when it is closed.
void showAboutBox(QWidget* owner);

}  // namespace vardel::ui
