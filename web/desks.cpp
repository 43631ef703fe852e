// The menus' commands and their boxes in the web panel, driven by the same
// dispatcher and desks as the desktop's (panel/desks.h). The page hands each
// command, and each typed field, chosen row and key of the open box, to the
// entry points below, naming the box by its design name; after each, the
// engine hands the page the open box and what its controls show, and then
// draws the panel, the window's title with it, as after a key. The department
// file is read and written here, in C++; the page only carries its text to
// and from the browser's storage, a file and a download.

#include "panel/desks.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "department/file_link.h"
#include "web/engine.h"
#include "web/page_contract.h"
#include "web/shown_records.h"
#include "web/site_storage.h"

// The page's side: web/panel_library.js.
extern "C" {
// The browser's language ("en-US"), and today's date on the device
// ("2026-12-08"), in the engine's memory (the engine frees them).
char* vardel_page_language();
char* vardel_page_today();
// The page's address without its fragment, for a link that carries the file.
char* vardel_page_address();
// The open box's design name (or empty), what its controls show, and the
// page it prints (or empty).
void vardel_page_boxes(const char* box, const char* shown, const char* page);
}

namespace vardel::web {
namespace {

SiteStorage theStorage;
SiteIssue theIssue;
DepartmentStore theStore(theStorage, &theIssue);
std::optional<panel::Desks> theDesks;
std::string handed;  // the last text handed to the page: a file to save, a text to copy

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

// A box's printed page as one record, as the controls' are: the paper's
// name, the heading's lines, the grid's cells, its columns, its columns of
// words (in the place of a list's chosen row) and its marked cells; then a
// record of lines for each page that follows it.
std::string pageRecord(const std::optional<panel::PrintedPage>& page) {
  if (!page) return {};
  std::vector<panel::Shown> pages;
  panel::Shown& first = pages.emplace_back();
  first.name = std::string(panel::paperName(page->paper));
  first.text = joinedLines(page->heading);
  first.items = page->cells;
  first.selected = static_cast<int>(page->textColumns);
  first.columns = static_cast<int>(page->columns);
  first.marked = page->marked;
  for (const std::vector<std::string>& lines : page->following) {
    pages.emplace_back().text = joinedLines(lines);
  }
  return shownRecords(pages);
}

// After each action: the message and the open box, then the panel.
void report(const std::string& problem) {
  tellPage(problem);
  const panel::BoxDesk* open = theDesks->open();
  const std::string box = open != nullptr ? std::string(open->design().name) : std::string();
  const std::string shown = open != nullptr ? shownRecords(open->shown()) : std::string();
  const std::string page = open != nullptr ? pageRecord(open->page()) : std::string();
  vardel_page_boxes(box.c_str(), shown.c_str(), page.c_str());
  drawPage();
}

// The desk of the box named, or none.
panel::BoxDesk* deskOf(std::string_view box) {
  if (!theDesks) return nullptr;
  for (panel::BoxDesk* desk : theDesks->all()) {
    if (desk->design().name == box) return desk;
  }
  return nullptr;
}

// The panel as the desks add to it (web/engine.h): the keys through them,
// the mark, the title and the practice strip theirs.
const RestPanel theRestPanel = {
    .press = [](Key key) { theDesks->press(key); },
    .type = [](std::int16_t code) { theDesks->type(code); },
    .mark = [] { return theDesks->mark(); },
    .title = [] { return theDesks->title(); },
    .strip = [] { return shownRecords(theDesks->practice().strip()); },
};

}  // namespace

}  // namespace vardel::web

using vardel::web::deskOf;
using vardel::web::handed;
using vardel::web::report;
using vardel::web::theDesks;
using vardel::web::theRestPanel;

extern "C" {

// The engine's rest has arrived (web/site/engine-rest.js): makes the desks
// of the menus' boxes, whose store reads the department values kept again,
// with the file's full reader, and takes the calculator over from the
// values read at start; a refused file is told.
EMSCRIPTEN_KEEPALIVE void vardel_start_rest() {
  vardel::Calculator* calculator = vardel::web::calculator();
  if (!calculator || theDesks) return;
  theDesks.emplace(
      *calculator, &vardel::web::theStore,
      vardel::panel::paperOf(vardel::web::takenText(vardel_page_language())),
      [] { return vardel::web::takenText(vardel_page_today()); },
      [] { return vardel::web::takenText(vardel_page_address()); });
  vardel::web::joinRest(theRestPanel);
  vardel::web::tellPage(theDesks->start());
  report({});
}

// A menu item's command, by its number (the layout names each item's): it
// opens a box, switches, or asks the page for what the returned number says
// (the About box, a file to read, a file to save: vardel_file_text).
EMSCRIPTEN_KEEPALIVE int vardel_command(int command) {
  if (!theDesks || command < 0 || command >= vardel::panel::kCommands) return 0;
  vardel::panel::Answer answer = theDesks->command(static_cast<vardel::panel::Command>(command));
  handed = std::move(answer.text);
  report(answer.problem);
  return vardel::web::contract::askCode(answer.ask);
}

// Every command's state, enabled and checked, as the page's menus show them.
EMSCRIPTEN_KEEPALIVE int vardel_command_states() {
  using namespace vardel::web::contract;
  if (!theDesks) return 0;
  int states = 0;
  for (int c = 0; c < vardel::panel::kCommands; ++c) {
    const auto command = static_cast<vardel::panel::Command>(c);
    const int shift = kBitsPerCommand * c;
    if (theDesks->enabled(command)) states |= kEnabledBit << shift;
    if (theDesks->checked(command)) states |= kCheckedBit << shift;
  }
  return states;
}

// The file a command asked for, read: its text.
EMSCRIPTEN_KEEPALIVE void vardel_file_read(const char* text) {
  if (theDesks) report(theDesks->fileRead(text));
}

// The file a command asked the page to save.
EMSCRIPTEN_KEEPALIVE const char* vardel_file_text() { return handed.c_str(); }

// Another tab saved: read the values again.
EMSCRIPTEN_KEEPALIVE void vardel_reload() {
  if (theDesks) report(theDesks->reload());
}

// The site's department file, as the page fetched it after start.
EMSCRIPTEN_KEEPALIVE void vardel_issue_arrived(const char* text) {
  if (theDesks) report(theDesks->issueArrived(text));
}

// The page's address had a fragment: returns 1 when it carried a department
// file, which is then offered for import (or refused), so that the page
// takes the fragment off its address.
EMSCRIPTEN_KEEPALIVE int vardel_link_opened(const char* fragment) {
  if (!theDesks || !vardel::file_link::carriesFile(fragment)) return 0;
  report(theDesks->linkOpened(fragment));
  return 1;
}

// The open box's controls, the box by its design name, each control by its own.
EMSCRIPTEN_KEEPALIVE void vardel_box_edit(const char* box, const char* name, const char* text) {
  if (vardel::panel::BoxDesk* desk = deskOf(box)) {
    desk->edit(name, text);
    report({});
  }
}

EMSCRIPTEN_KEEPALIVE void vardel_box_select(const char* box, const char* name, int row) {
  if (vardel::panel::BoxDesk* desk = deskOf(box)) {
    desk->select(name, row);
    report({});
  }
}

EMSCRIPTEN_KEEPALIVE void vardel_box_activate(const char* box, const char* name) {
  if (vardel::panel::BoxDesk* desk = deskOf(box)) report(desk->activate(name));
}

EMSCRIPTEN_KEEPALIVE void vardel_box_press(const char* box, const char* name) {
  if (vardel::panel::BoxDesk* desk = deskOf(box)) report(desk->press(name));
}

// The box was closed by Esc or its cancel key.
EMSCRIPTEN_KEEPALIVE void vardel_box_close(const char* box) {
  if (vardel::panel::BoxDesk* desk = deskOf(box)) {
    desk->close();
    report({});
  }
}

// A key of the practice strip (Leave practice).
EMSCRIPTEN_KEEPALIVE void vardel_practice_press(const char* name) {
  if (!theDesks) return;
  theDesks->practice().pressStrip(name);
  report({});
}

// What the box's Copy key puts on the clipboard.
EMSCRIPTEN_KEEPALIVE const char* vardel_box_copied(const char* box) {
  const vardel::panel::BoxDesk* desk = deskOf(box);
  handed = desk != nullptr ? desk->copied() : std::string();
  return handed.c_str();
}

}  // extern "C"
