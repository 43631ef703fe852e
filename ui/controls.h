#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "panel/control.h"

class QFrame;
class QLabel;
class QLineEdit;
class QMessageBox;
class QWidget;

namespace vardel::ui {

class PanelKey;

// The widgets of the program's windows, made from the design's values: the
// main window builds its panel with these, the About box and the message
// boxes share them, and the window tests measure against the same pixels.

QString qs(std::string_view text);

// A designed font: its face at its size, never bold or italic.
QFont fontOf(const panel::Font& design);
// The default font of both windows.
QFont windowFont();

// A designed rectangle in pixels at 96 dots per inch.
QRect pixelRect(const panel::TwipsRect& at);
// A line covers both of its end points; a thicker one grows down (or right).
QRect pixelRect(const panel::TwipsLine& line, int thickness = 1);

PanelKey* makeKey(const panel::Control& row, QWidget* parent);
QLabel* makeLabel(const panel::Control& row, QWidget* parent);
QLineEdit* makeTextBox(const panel::Control& row, QWidget* parent);
QFrame* makeFrame(QWidget* parent);
// A line in its designed colour, or in the window's text colour.
QWidget* makeLine(const panel::Control& row, QWidget* parent);

// A modal message box with one OK button and no icon, under `title`, or
// under the program's title when `title` is empty.
void showMessageBox(QWidget* owner, const std::string& text, const std::string& title = {});

}  // namespace vardel::ui
