#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "panel/control.h"

class QWidget;

namespace vardel::ui {

// The widgets of the program's windows, made from the design's rows: the
// main window, the About box, the menus' boxes and the message boxes share
// them, and the window tests measure against the same pixels.

QString qs(std::string_view text);

// A designed font: its face at its size, never bold or italic.
QFont fontOf(const panel::Font& design);
// The default font of both windows.
QFont windowFont();

// A designed rectangle in pixels at 96 dots per inch.
QRect pixelRect(const panel::TwipsRect& at);
// A line covers both of its end points; a thicker one grows down (or right).
QRect pixelRect(const panel::TwipsLine& line, int thickness = 1);

// A modal message box with one OK button and no icon, under `title`, or
// under the program's title when `title` is empty.
void showMessageBox(QWidget* owner, const std::string& text, const std::string& title = {});

}  // namespace vardel::ui
