#include "panel/link_box.h"

#include <vector>

#include "panel/box_rows.h"

namespace vardel::panel {
namespace {

using namespace box_rows;
using namespace link_box;

std::vector<Control> linkRows() {
  std::vector<Control> rows;
  rows.push_back(label("lblLinkNote",
                       "Opening this link shows the values and what they would change, and "
                       "imports them only after Apply. The values travel in the link itself, "
                       "after its \"#\", which a browser never sends to a web server.",
                       {kLeft, 120, kInner, 690}, true));
  rows.push_back(text(kLink, {kLeft, 900, kInner, 1500}, 0, "Link"));
  rows.push_back(outputKey(kCopy, "Copy", 2160, 2640, 1, Output::Copy));
  rows.push_back(cancelButton(kClose, "Close", 3480, 2640, 2));
  rows.back().defaultKey = true;
  return rows;
}

}  // namespace

const Dialog& linkBox() {
  static const std::vector<Control> rows = linkRows();
  static const Dialog box{"frmExportLink", "Link with department values", kWidth, 3120, rows,
                          "department"};
  return box;
}

}  // namespace vardel::panel
