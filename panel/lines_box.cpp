#include "panel/lines_box.h"

#include <vector>

#include "panel/box_rows.h"

namespace vardel::panel {
namespace {

using namespace box_rows;
using namespace lines_box;

std::vector<Control> linesRows() {
  std::vector<Control> rows;
  rows.push_back(label("lblLines", "Saved lines", {kLeft, 120, kInner, 225}));
  rows.push_back(list(kLines, {kLeft, 390, kInner, 2400}, 0, "Saved lines", false));
  rows.push_back(label(kLine, "", {kLeft, 2880, kInner, 690}, true));
  rows.push_back(button(kRecall, "Recall", kLeft, 3660, 1));
  rows.push_back(button(kDelete, "Delete", 1440, 3660, 2));
  rows.push_back(rule(0, 4140));
  rows.push_back(label(kSaveResult, "", {kLeft, 4230, kInner, 450}, true));
  rows.push_back(label("lblLineName", "Name", {kLeft, 4800, 900, 225}));
  rows.push_back(field(kLineName, {1080, 4755, 3600, kField}, 3, "Name of the line to save"));
  rows.push_back(defaultButton(kSaveLine, "Save result", kLeft, 5190, 4));
  rows.push_back(cancelButton(kClose, "Close", 3480, 5190, 5));
  return rows;
}

}  // namespace

const Dialog& linesBox() {
  static const std::vector<Control> rows = linesRows();
  static const Dialog box{"frmSavedLines", "Saved lines", kWidth, 5670, rows, "department"};
  return box;
}

}  // namespace vardel::panel
