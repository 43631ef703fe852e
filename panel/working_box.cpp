#include "panel/working_box.h"

#include <vector>

#include "panel/box_rows.h"

namespace vardel::panel {
namespace {

using namespace box_rows;
using namespace working_box;

std::vector<Control> workingRows() {
  std::vector<Control> rows;
  rows.push_back(text(kWorking, {kLeft, 120, kInner, 2880}, 0, "Working"));
  rows.push_back(outputKey(kCopy, "Copy", 2160, 3120, 1, Output::Copy));
  // Enter closes the box, as it closes the About box.
  rows.push_back(cancelButton(kClose, "Close", 3480, 3120, 2));
  rows.back().defaultKey = true;
  return rows;
}

}  // namespace

const Dialog& workingBox() {
  static const std::vector<Control> rows = workingRows();
  static const Dialog box{"frmWorking", "Working", kWidth, 3600, rows, "working"};
  return box;
}

}  // namespace vardel::panel
