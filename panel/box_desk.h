#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/control.h"
#include "panel/printed_page.h"

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

// A desk keeps one box of the program without a toolkit: what the box shows
// while it is open, and what each of its keys does. Both front ends run any
// desk's box alike: they draw shown() after each action and hand the user's
// changes back by design name. Every action that can be refused returns why
// (a front end shows it in a message box), or an empty text.
//
// The base keeps the open box and what its controls show, finds a control
// by name, and takes each change a control allows; a desk adds what its box
// does beyond that in the hooks below.
class BoxDesk {
 public:
  explicit BoxDesk(const Dialog& design) : design_(design) {}
  virtual ~BoxDesk() = default;
  BoxDesk(const BoxDesk&) = delete;
  BoxDesk& operator=(const BoxDesk&) = delete;

  const Dialog& design() const { return design_; }
  // The open box, or nothing.
  const Dialog* box() const { return open_ ? &design_ : nullptr; }
  const std::vector<Shown>& shown() const { return shown_; }

  // The user changed a field's text, chose a list's row (none, -1, only in
  // a list that is no drop-down), or activated a row (Enter or a double
  // click). A name the open box lacks does nothing.
  void edit(std::string_view name, std::string_view text);
  void select(std::string_view name, int row);
  std::string activate(std::string_view name);
  // A key of the box. A box's cancel key closes it; a key with an output
  // is the front end's, which asks the desk what to hand over.
  std::string press(std::string_view name);
  // The box is closed, by a key or without one (Esc, the window's close
  // button).
  void close();

  // What the keys with an output hand to the toolkit: the text Copy puts on
  // the clipboard, and the page to print (none while there is none).
  virtual std::string copied() const { return {}; }
  virtual std::optional<PrintedPage> page() const { return std::nullopt; }

 protected:
  // Opens the box: every control but the rules shows its designed caption.
  void open();
  // The control of the open box named `name` (and `index`, in a control
  // array), or nothing: the one lookup.
  Shown* find(std::string_view name, int index = -1);
  // The same for a name the desk's own box has; one it lacks is a blank that
  // nothing draws.
  Shown& at(std::string_view name, int index = -1);
  const Shown& at(std::string_view name, int index = -1) const;

  // What a desk does after the base took a change, and for its own keys.
  virtual void edited(std::string_view) {}
  virtual void selected(std::string_view, int) {}
  virtual std::string activated(std::string_view) { return {}; }
  virtual std::string pressed(std::string_view) { return {}; }
  // Before the box closes, while its controls still show.
  virtual void closing() {}

 private:
  const Control* rowOf(std::string_view name) const;

  const Dialog& design_;
  bool open_ = false;
  std::vector<Shown> shown_;
  mutable Shown blank_;
};

}  // namespace vardel::panel
