#include "panel/import_box.h"

#include <vector>

#include "panel/box_rows.h"

namespace vardel::panel {
namespace {

using namespace box_rows;
using namespace import_box;

std::vector<Control> importRows() {
  std::vector<Control> rows;
  rows.push_back(label(kImport, "", {kLeft, 120, kInner, 450}, true));
  rows.push_back(list(kChanges, {kLeft, 630, kInner, 3000}, 0, "Changes", false));
  rows.push_back(label("lblImportNote",
                       "The department's values are put in force. Nothing changes until Apply.",
                       {kLeft, 3720, kInner, 450}, true));
  rows.push_back(defaultButton(kApply, "Apply", 2160, 4260, 1));
  rows.push_back(cancelButton(kCancel, "Cancel", 3480, 4260, 2));
  return rows;
}

}  // namespace

const Dialog& importBox() {
  static const std::vector<Control> rows = importRows();
  static const Dialog box{"frmImport", "Import department values", kWidth, 4740, rows,
                          "department"};
  return box;
}

}  // namespace vardel::panel
