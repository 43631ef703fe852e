#include "panel/menus.h"

#include <array>

#include "panel/about_box.h"

namespace vardel::panel {

const Menu& departmentMenu() {
  static const std::array items = {
      MenuItem{"mnuDepartmentValues", "&Values...", Command::DepartmentValues},
      MenuItem{"mnuSavedLines", "&Saved lines...", Command::SavedLines},
      MenuItem{"mnuPumpChart", "Pump &chart...", Command::PumpChart},
      MenuItem{"mnuImport", "&Import...", Command::Import},
      MenuItem{"mnuExport", "&Export...", Command::Export},
      MenuItem{"mnuPublishedValues", "&Published values", Command::PublishedValues, true},
  };
  static const Menu menu{"mnuDepartment", "&Department", items};
  return menu;
}

const Menu& helpMenu() {
  static const std::array items = {MenuItem{"mnuAbout", aboutItemCaption(), Command::About}};
  static const Menu menu{"mnuHelp", "&Help", items};
  return menu;
}

const Menu& displayMenu() {
  static const std::array items = {
      MenuItem{"mnuReviewInputs", "Review inputs", Command::Review},
      MenuItem{"mnuShowWorking", "Show working", Command::ShowWorking},
  };
  static const Menu menu{"mnuDisplay", "", items};
  return menu;
}

}  // namespace vardel::panel
