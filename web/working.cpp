// The working of a result and the pump chart in the web panel, driven by the
// same desk as the desktop's (panel/working_desk.h). The page hands each
// typed field, chosen row and key of their boxes to the entry points
// below; after each, the engine hands the page the open box and what its
// controls show. Copy, Print and Save PDF are the page's: it asks the
// engine for the text to copy, and prints the chart it drew.

#include <optional>
#include <string>

#include "panel/working_desk.h"
#include "web/engine.h"

// The page's side: web/panel_library.js.
extern "C" {
// The browser's language ("en-US"), and today's date on the device
// ("2026-12-08"), in the engine's memory (the engine frees them).
char* vardel_page_language();
char* vardel_page_today();
// The open box's design name, or empty, and what its controls show.
void vardel_page_working(const char* box, const char* shown);
}

namespace vardel::web {
namespace {

std::optional<panel::WorkingDesk> theDesk;
std::string copied;

void report() {
  if (!theDesk) return;
  const panel::Dialog* box = theDesk->box();
  vardel_page_working(box != nullptr ? std::string(box->name).c_str() : "",
                      shownRecords(theDesk->shown()).c_str());
}

}  // namespace

void startWorking(Calculator& calculator) {
  theDesk.emplace(calculator, &departmentStore(), panel::paperOf(takenText(vardel_page_language())),
                  [] { return takenText(vardel_page_today()); });
}

void openPumpChart() {
  if (!theDesk) return;
  theDesk->command(panel::Command::PumpChart);
  report();
}

}  // namespace vardel::web

using vardel::web::report;
using vardel::web::theDesk;

extern "C" {

// F3 or the display menu's item: the working of the result shown; nothing
// without one.
void vardel_show_working() {
  if (!theDesk) return;
  theDesk->command(vardel::panel::Command::ShowWorking);
  report();
}

// Whether a result shows whose working can be shown: the display menu's
// item is enabled then.
int vardel_can_show_working() {
  return theDesk && theDesk->enabled(vardel::panel::Command::ShowWorking) ? 1 : 0;
}

// The open box's controls, by design name.
void vardel_working_edit(const char* name, const char* text) {
  if (!theDesk) return;
  theDesk->edit(name, text);
  report();
}

void vardel_working_select(const char* name, int row) {
  if (!theDesk) return;
  theDesk->select(name, row);
  report();
}

void vardel_working_press(const char* name) {
  if (!theDesk) return;
  theDesk->press(name);
  report();
}

// The box was closed by Esc or its cancel key.
void vardel_working_close() {
  if (!theDesk) return;
  theDesk->close();
  report();
}

// What Copy puts on the clipboard: the working, or the chart as
// tab-separated text.
const char* vardel_working_copied() {
  if (!theDesk) return "";
  vardel::web::copied = theDesk->copied();
  return vardel::web::copied.c_str();
}

}  // extern "C"
