#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/key.h"
#include "panel/twips.h"

namespace vardel::panel {

// A window as designed: one row per control. Each front end builds a window
// from its rows in one loop, so a window described here is drawn alike on
// the desktop and in the browser.

// A Field is a text the user types into (a box's number or name); a List
// offers rows to choose from, as a list box or as a drop-down. A Text is a
// read-only text of many lines that can be selected and copied; the first
// one of a box is what the box says to a screen reader. A Grid is a
// read-only table: its first row the column headings, each further row
// beginning with its own heading.
enum class Kind : std::uint8_t { Key, Label, Frame, TextBox, Image, Line, Field, List, Text, Grid };

enum class Align : std::uint8_t { Left, Centre, Right };

// What a key hands to the toolkit instead of to the box's desk: the box's
// text to the clipboard, or its page to the printer or to a PDF file.
enum class Output : std::uint8_t { None, Copy, Print, SavePdf };

// The pictures a control can show.
enum class Picture : std::uint8_t { None, Brand, Icon };

struct Control {
  std::string_view name{};  // design name, the widget's objectName
  Kind kind{};
  std::string_view parent{};  // a frame's name, or empty for the client area
  std::string_view caption{};
  TwipsRect at{};    // every control but a line
  TwipsLine line{};  // a line only
  Font font{};
  std::optional<std::uint32_t> back{};  // key face, label or text box background
  std::optional<std::uint32_t> fore{};  // text colour; a line's colour (none: window text)
  Align align = Align::Left;
  bool border = false;  // a label with a single-line border
  bool wrap = false;    // a label whose text wraps within it
  int tab = -1;         // designed tab index; -1 for images and lines
  bool enabled = true;  // as designed, before start-up enables the function keys
  bool visible = true;
  std::int16_t index = -1;   // index within a control array, -1 for none
  int thickness = 1;         // a line's, in pixels
  Picture picture{};         // an image's
  std::optional<Key> key{};  // what a key of the calculator asks it to do
  bool closesBox = false;    // a box's cancel key (Esc): closes the box
  bool defaultKey = false;   // a box's key that Enter in one of its fields presses
  bool dropDown = false;     // a list that shows its chosen row only, and opens to choose
  Output output{};           // a box's key whose work the toolkit does
  std::string_view accessibleName{};
  std::string_view toolTip{};
};

// A window other than the main one: a modal box with a fixed client area.
struct Dialog {
  std::string_view name;
  std::string title;
  int widthTwips = 0;
  int heightTwips = 0;
  std::span<const Control> controls;
  // The menus' boxes: which menu's family the box belongs to, for the web
  // page's style ("department", "working"); empty for the About box.
  std::string_view family{};
};

// The height of a box that ends at its last row: that row's foot and a
// margin below it, in twips.
int heightBelowLast(std::span<const Control> rows, int margin = 120);

// The name a control goes by outside the toolkit: the design name, and for a
// member of a control array its index too, as "Command1(7)" or "Line1(0)".
// The one place where a name and an index are put together.
std::string designName(std::string_view name, int index = -1);
std::string designName(const Control& row);

}  // namespace vardel::panel
