#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "ui/panel_layout.h"

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
QFont fontOf(const Font& design);
// The default font of both windows.
QFont windowFont();

// A designed rectangle in pixels at 96 dots per inch.
QRect pixelRect(const TwipsRect& at);
// A one-pixel line covers both of its end points.
QRect pixelRect(const TwipsLine& line);

PanelKey* makeKey(const Control& row, QWidget* parent);
QLabel* makeLabel(const Control& row, QWidget* parent);
QLineEdit* makeTextBox(const Control& row, QWidget* parent);
QFrame* makeFrame(QWidget* parent);
QWidget* makeLine(QWidget* parent);

// A plain-text label in black on the window's background, at `at`.
QLabel* makePlainLabel(QWidget* parent, const QString& name, const QString& text, const QRect& at);

// A modal message box with one OK button and no icon, under `title`, or
// under the program's title when `title` is empty.
void showMessageBox(QWidget* owner, const std::string& text, const std::string& title = {});

}  // namespace vardel::ui
