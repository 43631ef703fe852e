#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/key.h"

namespace vardel::ui {

// The panel as designed: one row per control, in twips (1/1440 inch). The
// window is built from these rows in one loop and the window tests walk the
// same rows, so the design lives in exactly one place.

enum class Kind : std::uint8_t { Key, Label, Frame, TextBox, Image, Line };

enum class Align : std::uint8_t { Left, Centre, Right };

// A control's rectangle, relative to its parent.
struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// A line from one end point to the other, both drawn.
struct TwipsLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// An empty face means the window's default font.
struct Font {
  std::string_view face{};
  double points = 0;
};

inline constexpr std::uint32_t kLightBlue = 0xC0C0FF;
inline constexpr std::uint32_t kLightYellow = 0xFFFF80;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;

struct Control {
  std::string_view name{};  // design name, the widget's objectName
  Kind kind{};
  std::string_view parent{};  // a frame's name, or empty for the window's client area
  std::string_view caption{};
  TwipsRect at{};    // every control but a line
  TwipsLine line{};  // a line only
  Font font{};
  std::optional<std::uint32_t> back{};  // key face, label or text box background
  std::optional<std::uint32_t> fore{};  // text colour
  Align align = Align::Left;
  bool border = false;  // a label with a single-line border
  int tab = -1;         // designed tab index; -1 for images and lines
  bool enabled = true;  // as designed, before start-up enables the function keys
  bool visible = true;
  std::optional<Key> key{};  // what a key asks the calculator to do
  std::string_view accessibleName{};
};

// Every control of the panel except the menu bar.
std::span<const Control> panelControls();

// The window's client area and its default font, which the controls without
// a font of their own use.
inline constexpr int kClientWidthTwips = 4875;
inline constexpr int kClientHeightTwips = 8145;
inline constexpr Font kWindowFont{"Arial", 8.25};

// 15 twips are one pixel at 96 dots per inch; every designed value is a
// whole number of pixels.
constexpr int toPixels(int twips) { return twips / 15; }

// The menu bar: one menu with one item.
inline constexpr std::string_view kHelpMenuName = "mnuHelp";
inline constexpr std::string_view kHelpMenuCaption = "&Help";
inline constexpr std::string_view kAboutItemName = "mnuAbout";
inline constexpr std::string_view kAboutItemCaption = "&About Vardel";

}  // namespace vardel::ui
