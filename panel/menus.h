#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vardel::panel {

// What a menu item does.
enum class Command : std::uint8_t {
  About,             // opens the About box
  Review,            // reviews the inputs of the result shown, as F2 does
  DepartmentValues,  // opens the box of the department's figures, with the flow test
  SavedLines,        // opens the box of the saved lines: recall, save, delete
  Lays,              // opens the box of lays of several lines: build, show, save, the card
  Import,            // reads a department file, shows what it changes, and takes it
  Export,            // writes the department's values as one file
  PublishedValues,   // switches between the department's values and the published ones
  ShowWorking,       // shows how the result on the display was worked out, as F3 does
  PumpChart,         // opens the pump chart of a lay typed in or saved
  TakeIssue,         // shows what taking the department's issued values changes, and takes them
  ExportLink,        // shows a link that carries the department's values (in a web page)
  Practice,          // opens the practice box: a set of problems by its number, its worksheet
};
// How many commands there are: the last one's number and one.
inline constexpr int kCommands = static_cast<int>(Command::Practice) + 1;

// A caption's "&" marks the access key that follows it ("&Help": Alt+H).
// A shortcut is a key that runs the item's command from the panel without
// the menu (the key's name as both toolkits write it, "F2"); the menu does
// not show it.
struct MenuItem {
  std::string_view name;
  std::string caption;
  Command command;
  bool checkable = false;  // shows a check mark while what it names is in force
  std::string_view shortcut{};
  bool pageOnly = false;  // only the web page has it: a link needs the page's address
};

struct Menu {
  std::string_view name;
  std::string caption;  // empty for a context menu
  std::span<const MenuItem> items;
};

// The menu bar's menus, left to right: Department (where the program keeps
// department values), then Help.
const Menu& departmentMenu();
const Menu& helpMenu();
std::vector<const Menu*> menuBar(bool department);

// The display's context menu (a right click, or a long press on a touch
// screen): the review (F2), offered only while a review can start, and the
// working (F3), offered only while a result shows.
const Menu& displayMenu();

}  // namespace vardel::panel
