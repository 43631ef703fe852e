#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculator.h"
#include "department/department_store.h"
#include "panel/box_desk.h"
#include "panel/chart_desk.h"
#include "panel/file_choice.h"
#include "panel/import_desk.h"
#include "panel/lays_desk.h"
#include "panel/lines_desk.h"
#include "panel/link_desk.h"
#include "panel/menus.h"
#include "panel/practice_desk.h"
#include "panel/result_mark.h"
#include "panel/values_desk.h"
#include "panel/working_desk.h"

namespace vardel::panel {

// What a command asks of the front end beyond drawing what it left.
enum class Ask : std::uint8_t { Nothing, About, OpenFile, SaveFile };

struct Answer {
  std::string problem{};  // why the command was refused, told in a message box
  Ask ask = Ask::Nothing;
  const FileChoice* file = nullptr;  // the file to choose, with OpenFile and SaveFile
  std::string text{};                // what SaveFile writes
};

// The one place where every menu command goes, from either front end: the
// menus' items, their shortcuts (F2, F3) and the display's menu. It keeps
// the desk of each box and says which box is open; a front end draws the
// state after each command, does what the answer asks, and runs the open
// box. With a store it has the Department menu and its boxes; without one
// the program is exactly the design, with the working and the pump chart.
//
// The department's issued file is told of here: an issue that comes into
// force is told once (in the text returned), and a newer issue that the
// device's own values stand before opens the Import box on what taking it
// changes, once, unless another box is open; Take issued values opens it
// again.
class Desks {
 public:
  // `address`, where the front end has one (a web page's), is the page's
  // address without its fragment: the desks then make links.
  Desks(Calculator& calculator, DepartmentStore* store, Paper paper,
        std::function<std::string()> today, std::function<std::string()> address = {});

  // Reads the values kept at start-up; a refused file is left as it is and
  // the text says why, and the published figures stand.
  std::string start();
  // Reads them again: another window or tab may have saved, or the issued
  // file changed. The text tells an issue newly in force.
  std::string reload();
  // The department's issued file arrived (a web page fetched its site's):
  // what to tell of it, a refusal or an issue newly in force.
  std::string issueArrived(std::string_view text);
  // A link's fragment that carries a file: the Import box opens on it, or
  // the text says why the link is refused.
  std::string linkOpened(std::string_view fragment);

  // The menu bar's menus, left to right.
  std::vector<const Menu*> menuBar() const { return panel::menuBar(store_ != nullptr); }
  bool enabled(Command command) const;
  bool checked(Command command) const;
  Answer command(Command command);
  // The file an OpenFile asked for has been read: its text.
  std::string fileRead(std::string_view text);

  // A key of the panel, clicked or typed (its character code): with
  // practice on, Enter hands in the answer where no calculation is in
  // progress; every other key, and every key outside practice, is the
  // calculator's own.
  void press(Key key);
  void type(std::int16_t code);

  // What the front ends draw beside the calculator: the mark inside the
  // display and the window's title (PRACTICE while practice is on, else the
  // department's), and the practice strip (panel/practice_box.h).
  ResultMark mark() const;
  std::string title() const;
  PracticeDesk& practice() { return practice_; }
  const PracticeDesk& practice() const { return practice_; }

  // The desk whose box is open, or none.
  BoxDesk* open();
  // Every desk; the web page names one by its box's design name.
  const std::vector<BoxDesk*>& all() const { return all_; }
  // The boxes of every desk there can be, for the web page's markup.
  static std::vector<const Dialog*> designs();

 private:
  // The store's news of the issued file: the text to tell, and the offer
  // opened.
  std::string news();

  Calculator& calculator_;
  DepartmentStore* store_;
  std::function<std::string()> today_, address_;
  WorkingDesk working_;
  ChartDesk chart_;
  PracticeDesk practice_;
  std::optional<ValuesDesk> values_;
  std::optional<LinesDesk> lines_;
  std::optional<LaysDesk> lays_;
  std::optional<ImportDesk> import_;
  std::optional<LinkDesk> link_;
  std::vector<BoxDesk*> all_;
};

}  // namespace vardel::panel
