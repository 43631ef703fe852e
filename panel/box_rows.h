#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "panel/control.h"

// The rows that the boxes of the menus are made of, alike in every box.
namespace vardel::panel::box_rows {

// Every box is as wide as the panel's client area, so that the web page
// draws it at the panel's own scale, on a phone too. Rows of fields lie
// kRow apart, each field kField high.
inline constexpr int kWidth = 4800;
inline constexpr int kLeft = 120;
inline constexpr int kInner = kWidth - 2 * kLeft;
inline constexpr int kRow = 330;
inline constexpr int kField = 300;
inline constexpr int kButtonWidth = 1200;
inline constexpr int kButtonHeight = 345;

// A text the rows point at that is made at run time, kept for the whole run.
std::string_view keep(std::string text);

Control label(std::string_view name, std::string_view caption, TwipsRect at, bool wrap = false);
Control field(std::string_view name, TwipsRect at, int tab, std::string_view spoken,
              std::int16_t index = -1);
Control list(std::string_view name, TwipsRect at, int tab, std::string_view spoken, bool dropDown);
Control button(std::string_view name, std::string_view caption, int left, int top, int tab);
// The key that closes the box, as Esc does.
Control cancelButton(std::string_view name, std::string_view caption, int left, int top, int tab);
// The key that Enter in one of the box's fields presses.
Control defaultButton(std::string_view name, std::string_view caption, int left, int top, int tab);
// A key whose work the toolkit does: copy, print, save a PDF.
Control outputKey(std::string_view name, std::string_view caption, int left, int top, int tab,
                  Output output);
// A read-only text of many lines.
Control text(std::string_view name, TwipsRect at, int tab, std::string_view spoken);
// A read-only table.
Control grid(std::string_view name, TwipsRect at, int tab, std::string_view spoken);
// A rule across the box.
Control rule(std::int16_t index, int y);

}  // namespace vardel::panel::box_rows
