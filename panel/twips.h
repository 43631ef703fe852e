#pragma once

#include <cstdint>
#include <string_view>

// Designed lengths are in twips, 1/1440 inch.
namespace vardel::panel {

// A control's rectangle, relative to its parent.
struct TwipsRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// A line from one end point to the other, both drawn.
struct TwipsLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// 15 twips are one pixel at 96 dots per inch; every designed value is a
// whole number of pixels.
inline constexpr int kTwipsPerPixel = 15;
constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }

// A point is 20 twips.
inline constexpr int kTwipsPerPoint = 20;

// Heights the design leaves to the system, as the web page draws them: the
// menu bar above the main window's client area, and a box's title bar. Each
// is one line of the window's font.
inline constexpr int kMenuBarTwips = 285;
inline constexpr int kTitleBarTwips = 285;

// An empty face means the window's default font.
struct Font {
  std::string_view face{};
  double points = 0;
};

// The default font of every window: the controls without a font of their own
// use it.
inline constexpr Font kWindowFont{"Arial", 8.25};

}  // namespace vardel::panel
