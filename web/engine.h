#pragma once

#include <string>

#include "core/calculator.h"
#include "panel/desks.h"

// What the engine's parts share: the calculator and its page panel in
// engine.cpp, the menus' commands and their boxes in desks.cpp. Every entry
// point the page calls is marked EMSCRIPTEN_KEEPALIVE where it is defined,
// which exports it.
namespace vardel::web {

// Hands the page, in one call, what the last action left: the display, the
// indicator, the keys, the mark, and the events the action raised.
void drawPage();
// Tells the page a message in a box, with the next drawPage(); nothing for
// an empty text.
void tellPage(const std::string& message);

// Makes the desks of the menus' boxes, reads the department values kept in
// the site's storage and points the calculator at the figures in force; a
// refused file is told.
void startDesks(Calculator& calculator);

// The one dispatcher of the menus' commands and of the panel's keys, once
// the desks are started.
panel::Desks& desks();

// A text the page made in the engine's memory, taken over and freed; null
// is empty.
std::string takenText(char* text);

}  // namespace vardel::web
