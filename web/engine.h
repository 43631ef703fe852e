#pragma once

#include <string>

#include "core/calculator.h"

// What the engine's two halves share: the calculator and its page panel in
// engine.cpp, the department's values in department.cpp.
namespace vardel::web {

// Hands the page, in one call, what the last action left: the display, the
// indicator, the keys, the mark, and the events the action raised.
void drawPage();
// Tells the page a message in a box, with the next drawPage().
void tellPage(const std::string& message);

// Reads the department values kept in the site's storage and points the
// calculator at the figures in force; a refused file is told.
void startDepartment(Calculator& calculator);

}  // namespace vardel::web
