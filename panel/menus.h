#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vardel::panel {

// What a menu item does.
enum class Command : std::uint8_t {
  About,   // opens the About box
  Review,  // reviews the inputs of the result shown, as F2 does
};

// A caption's "&" marks the access key that follows it ("&Help": Alt+H).
struct MenuItem {
  std::string_view name;
  std::string caption;
  Command command;
};

struct Menu {
  std::string_view name;
  std::string caption;  // empty for a context menu
  std::span<const MenuItem> items;
};

// The menu bar's one menu: Help, with one item, About.
const Menu& helpMenu();

// The display's context menu (a right click, or a long press on a touch
// screen): one item, offered only while a review can start.
const Menu& displayMenu();

}  // namespace vardel::panel
