#include "panel/menus.h"

#include <array>

#include "panel/about_box.h"

namespace vardel::panel {

const Menu& departmentMenu() {
  static const std::array items = {
      MenuItem{"mnuDepartmentValues", "&Values...", Command::DepartmentValues},
      MenuItem{"mnuSavedLines", "&Saved lines...", Command::SavedLines},
      MenuItem{"mnuLays", "&Lays...", Command::Lays},
      MenuItem{"mnuPumpChart", "Pump &chart...", Command::PumpChart},
      MenuItem{"mnuPractice", "P&ractice...", Command::Practice},
      MenuItem{"mnuImport", "&Import...", Command::Import},
      MenuItem{"mnuExport", "&Export...", Command::Export},
      MenuItem{"mnuExportLink", "Export lin&k...", Command::ExportLink, false, {}, true},
      MenuItem{"mnuTakeIssue", "&Take issued values...", Command::TakeIssue},
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

std::vector<const Menu*> menuBar(bool department) {
  if (department) return {&departmentMenu(), &helpMenu()};
  return {&helpMenu()};
}

const Menu& displayMenu() {
  static const std::array items = {
      MenuItem{"mnuReviewInputs", "Review inputs", Command::Review, false, "F2"},
      MenuItem{"mnuShowWorking", "Show working", Command::ShowWorking, false, "F3"},
  };
  static const Menu menu{"mnuDisplay", "", items};
  return menu;
}

}  // namespace vardel::panel
