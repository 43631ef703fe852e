#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculator.h"
#include "department/department_store.h"
#include "panel/box_desk.h"
#include "panel/control.h"
#include "panel/menus.h"

namespace vardel::panel {

// The Department menu and its boxes, without a toolkit: what each item and
// each key of a box does to the department's values, and what the open box
// shows. The desktop window and the web page both drive one of these, so the
// two panels behave alike and neither holds a rule of its own. Every action
// that changes the values writes them through the store and points the
// calculator at the figures then in force; each returns why it was refused
// (a front end shows it in a message box), or an empty text.
class DepartmentDesk : public BoxDesk {
 public:
  DepartmentDesk(DepartmentStore& store, Calculator& calculator);

  // Reads the values kept at start-up; a refused file is left as it is and
  // the text says why, and the published figures stand.
  std::string start();
  // Reads them again: another window or tab may have saved.
  void reload();

  // The menu's items.
  bool enabled(Command command) const;
  bool checked(Command command) const;
  // DepartmentValues and SavedLines open their box; PublishedValues
  // switches. Import and Export need a file from the front end: see below.
  // PumpChart is the working desk's (panel/working_desk.h).
  std::string command(Command command);
  // A file's text to import: the Import box shows what it would change.
  std::string import(std::string_view text);
  // The file to export.
  std::string exportFile() const { return store_.exportFile(); }

  // BoxDesk.
  const Dialog* box() const override { return box_; }
  const std::vector<Shown>& shown() const override { return shown_; }
  void edit(std::string_view name, std::string_view text) override;
  void select(std::string_view name, int row) override;
  std::string activate(std::string_view name) override;
  std::string press(std::string_view name) override;
  void close() override;

 private:
  Shown* find(std::string_view name);
  const Shown& at(std::string_view name) const;
  void open(const Dialog& box);
  void openValues();
  void openLines(const std::string& chosen);
  void drawLines();
  void drawTestUnits();
  // A field's text, and its partner in the other unit system following it
  // unless the user typed the partner too.
  void setPair(std::string_view name, std::string text);
  std::string workOut();
  std::string saveValues();
  std::string saveLine();
  std::string deleteLine();
  std::string recall();
  std::string applyImport();
  // Writes one change and points the calculator at the figures in force.
  std::string change(const std::function<std::string(DepartmentValues&)>& edit);

  DepartmentStore& store_;
  Calculator& calculator_;
  const Dialog* box_ = nullptr;
  std::vector<Shown> shown_;
  std::set<std::string, std::less<>> typed_;  // fields the user typed in, this opening
  std::optional<DepartmentValues> importing_;
  std::string recalled_;  // the line recalled last, offered to be saved back
};

}  // namespace vardel::panel
