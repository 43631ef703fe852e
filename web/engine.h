#pragma once

#include <cstdint>
#include <string>

#include "core/calculator.h"
#include "core/key.h"
#include "panel/result_mark.h"

// What the engine's sources share. The engine comes to the page in two
// parts, split by the build (web/tools/split-engine.mjs): the first part is
// the calculator and its page panel (engine.cpp) with the department values
// kept (kept_values.cpp, site_storage.cpp); the rest is the menus' commands
// and their boxes (desks.cpp, shown_records.cpp) and all they use. No first
// part's source calls into the rest's. Every entry point the page calls is
// marked EMSCRIPTEN_KEEPALIVE where it is defined, which exports it.
namespace vardel::web {

// The calculator, once the page has started it; none before.
Calculator* calculator();

// Hands the page, in one call, what the last action left: the display, the
// indicator, the keys, the mark, and the events the action raised.
void drawPage();
// Tells the page a message in a box, with the next drawPage(); nothing for
// an empty text.
void tellPage(const std::string& message);

// Reads the department values kept in the site's storage with the reader of
// the file as written (department/kept_file.h), and points the calculator
// at the figures in force. False when a file is kept that only the file's
// full reader, in the rest, can read or refuse: the rest must then start
// before the first key.
bool startKeptValues(Calculator& calculator);

// What the rest adds to the panel once it has arrived (desks.cpp): the
// panel's keys go through its desks, where practice takes Enter, and the
// mark, the window's title and the practice strip are the desks'. The first
// part reaches the rest only through these, which the rest hands it; until
// then the keys are the calculator's own, the mark and the title its, and
// there is no strip (practice is started from a menu, in the rest).
struct RestPanel {
  void (*press)(Key key);
  void (*type)(std::int16_t code);
  panel::ResultMark (*mark)();
  std::string (*title)();
  std::string (*strip)();  // the strip's records, empty while practice is off
};
void joinRest(const RestPanel& rest);

// A text the page made in the engine's memory, taken over and freed; null
// is empty.
std::string takenText(char* text);

}  // namespace vardel::web
