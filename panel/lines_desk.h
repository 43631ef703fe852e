#pragma once

#include <string>
#include <string_view>

#include "core/calculator.h"
#include "department/department_store.h"
#include "panel/box_desk.h"

namespace vardel::panel {

// The desk of the saved lines box (panel/lines_box.h): the lines kept, the
// one chosen described; Recall keys it on the calculator, Delete removes
// it, and the engine-pressure result on the display is saved under a name,
// a line of the same name replaced (a recalled line walked with F2 and
// saved back).
class LinesDesk : public BoxDesk {
 public:
  LinesDesk(DepartmentStore& store, Calculator& calculator);

  // Opens the box with the line recalled last chosen.
  void openBox() { openWith(recalled_); }

 private:
  void selected(std::string_view name, int row) override;
  std::string activated(std::string_view name) override;
  std::string pressed(std::string_view key) override;

  void openWith(const std::string& chosen);
  void drawLines();
  // The line chosen in the list, or none.
  const SavedLine* chosenLine() const;
  std::string saveLine();
  std::string deleteLine();
  std::string recall();

  DepartmentStore& store_;
  Calculator& calculator_;
  std::string recalled_;  // the line recalled last, offered to be saved back
};

}  // namespace vardel::panel
