#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "panel/control.h"

namespace vardel::panel {

// What one control of the open box shows. A front end draws each entry onto
// the control of that design name, and keeps nothing of its own.
struct Shown {
  std::string name;
  std::string text;                // a field's text, a label's caption, a text's lines
  std::string placeholder;         // a field's grey text while it is empty
  std::vector<std::string> items;  // a list's rows; a grid's cells, row by row
  int selected = -1;               // a list's chosen row; -1 for none
  bool enabled = true;
  int columns = 0;          // a grid's cells per row, its heading included
  std::vector<int> marked;  // the grid's cells flagged, as indices into items

  bool operator==(const Shown&) const = default;
};

// A desk keeps the boxes of one part of the program without a toolkit: what
// the open box shows, and what each of its keys does. Both front ends run
// any desk's box alike: they draw shown() after each action and hand the
// user's changes back by design name. Every action that can be refused
// returns why (a front end shows it in a message box), or an empty text.
class BoxDesk {
 public:
  virtual ~BoxDesk() = default;

  // The open box, or nothing.
  virtual const Dialog* box() const = 0;
  virtual const std::vector<Shown>& shown() const = 0;
  // The user changed a field's text, chose a list's row, or activated it
  // (Enter or a double click).
  virtual void edit(std::string_view name, std::string_view text) = 0;
  virtual void select(std::string_view name, int row) = 0;
  virtual std::string activate(std::string_view name) = 0;
  // A key of the box. A box's cancel key closes it; a key with an output
  // is the front end's, which asks the desk what to hand over.
  virtual std::string press(std::string_view name) = 0;
  // The box was closed without a key (Esc, the window's close button).
  virtual void close() = 0;
};

}  // namespace vardel::panel
