// The Department menu of the web panel: the department's values kept in the
// site's own storage, and the menu's boxes driven by the same desk as the
// desktop's (panel/department_desk.h). The page hands each choice, typed
// field and key of a box to the entry points below; after each, the engine
// hands the page what the menu and the open box show, and then draws the
// panel as after a key. The department file is read and written here, in
// C++; the page only carries its text to and from the browser's storage.

#include <cstdlib>
#include <optional>
#include <string>

#include "department/department_store.h"
#include "panel/department_desk.h"
#include "panel/menus.h"
#include "panel/window_title.h"
#include "web/engine.h"

// The page's side: web/panel_library.js.
extern "C" {
// The text kept under the key vardel.department, copied into the engine's
// memory (the engine frees it), or null when none is kept.
char* vardel_storage_load();
// Keeps the text; 0 when the browser refused (storage full or switched off).
int vardel_storage_replace(const char* text);
char* vardel_storage_keep_aside(const char* text);
// What the menu and the open box show: the window's title; per menu item,
// enabled (bit 2i) and checked (bit 2i + 1); the open box's design name, or
// empty; and what its controls show, one record per control.
void vardel_page_department(const char* title, int menu, const char* box, const char* shown);
}

namespace vardel::web {
namespace {

class SiteStorage : public DepartmentStorage {
 public:
  std::optional<std::string> load(std::string*) override {
    char* text = vardel_storage_load();
    if (text == nullptr) return std::nullopt;
    return takenText(text);
  }
  bool replace(const std::string& text, std::string* problem) override {
    if (vardel_storage_replace(text.c_str()) != 0) return true;
    *problem = "the browser keeps nothing more for this site (its storage is full or switched off)";
    return false;
  }
  bool keepAside(const std::string& text, std::string* note) override {
    char* key = vardel_storage_keep_aside(text.c_str());
    if (key == nullptr) {
      *note = "the browser keeps nothing more for this site";
      return false;
    }
    *note = "the site's storage, as " + takenText(key);
    return true;
  }
};

SiteStorage theStorage;
DepartmentStore theStore(theStorage);
std::optional<panel::DepartmentDesk> theDesk;
const Calculator* theCalculator = nullptr;
std::string exported;

// After each action: the message, the menu and the box, then the panel.
void report(const std::string& problem) {
  tellPage(problem);
  if (theDesk) {
    int menu = 0;
    const auto items = panel::departmentMenu().items;
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (theDesk->enabled(items[i].command)) menu |= 1 << (2 * i);
      if (theDesk->checked(items[i].command)) menu |= 2 << (2 * i);
    }
    const panel::Dialog* box = theDesk->box();
    vardel_page_department(panel::windowTitle(theCalculator->state).c_str(), menu,
                           box != nullptr ? std::string(box->name).c_str() : "",
                           shownRecords(theDesk->shown()).c_str());
  }
  drawPage();
}

}  // namespace

const DepartmentStore& departmentStore() { return theStore; }

std::string shownRecords(const std::vector<panel::Shown>& shown) {
  std::string out;
  for (const panel::Shown& each : shown) {
    if (!out.empty()) out += '\x1e';
    std::string marked;
    for (const int cell : each.marked) marked += (marked.empty() ? "" : ",") + std::to_string(cell);
    out += each.name + '\x1f' + each.text + '\x1f' + each.placeholder + '\x1f' +
           std::to_string(each.selected) + '\x1f' + (each.enabled ? '1' : '0') + '\x1f' +
           std::to_string(each.columns) + '\x1f' + marked;
    for (const std::string& item : each.items) out += '\x1d' + item;
  }
  return out;
}

std::string takenText(char* text) {
  std::string out = text != nullptr ? text : "";
  std::free(text);
  return out;
}

void startDepartment(Calculator& calculator) {
  theCalculator = &calculator;
  theDesk.emplace(theStore, calculator);
  tellPage(theDesk->start());
  report({});
}

}  // namespace vardel::web

using vardel::web::report;
using vardel::web::theDesk;

extern "C" {

// A menu item, by its place in the Department menu: the values box, the
// saved lines box, or the switch between the department's and the
// published values; the pump chart is working.cpp's. Import and Export
// carry a file: see below.
void vardel_department_command(int item) {
  const auto items = vardel::panel::departmentMenu().items;
  if (!theDesk || item < 0 || static_cast<std::size_t>(item) >= items.size()) return;
  const vardel::panel::Command command = items[static_cast<std::size_t>(item)].command;
  if (command == vardel::panel::Command::PumpChart) {
    vardel::web::openPumpChart();
    return;
  }
  report(theDesk->command(command));
}

// Another tab saved: read the values again.
void vardel_department_reload() {
  if (!theDesk) return;
  theDesk->reload();
  report({});
}

// A file chosen to import: the Import box shows what it would change.
void vardel_department_import(const char* text) {
  if (theDesk) report(theDesk->import(text));
}

// The file to export.
const char* vardel_department_export() {
  if (!theDesk) return "";
  vardel::web::exported = theDesk->exportFile();
  return vardel::web::exported.c_str();
}

// The open box's controls, by design name.
void vardel_department_edit(const char* name, const char* text) {
  if (!theDesk) return;
  theDesk->edit(name, text);
  report({});
}

void vardel_department_select(const char* name, int row) {
  if (!theDesk) return;
  theDesk->select(name, row);
  report({});
}

void vardel_department_activate(const char* name) {
  if (theDesk) report(theDesk->activate(name));
}

void vardel_department_press(const char* name) {
  if (theDesk) report(theDesk->press(name));
}

// The box was closed by Esc.
void vardel_department_close() {
  if (!theDesk) return;
  theDesk->close();
  report({});
}

}  // extern "C"
