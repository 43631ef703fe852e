#include "panel/chart_box.h"

#include <vector>

#include "panel/box_rows.h"

namespace vardel::panel {
namespace {

using namespace box_rows;
using namespace chart_box;

// The lay in two columns of a caption and a field (or list) each, then the
// lists of flows and lengths across the box; four keys share the bottom row.
constexpr int kCaption = 1200;
constexpr int kRight = 2400;
constexpr int kKeyWidth = 1080;
constexpr int kShort = kRight - 60 - (kLeft + kCaption - 20);       // a left-hand field
constexpr int kNarrow = kWidth - kLeft - (kRight + kCaption - 20);  // a right-hand field

void pair(std::vector<Control>& rows, int left, int top, std::string_view labelName,
          std::string_view caption, Control input, int width) {
  rows.push_back(label(labelName, caption, {left, top + 45, kCaption - 60, 225}));
  input.at = {left + kCaption - 20, top, width, kField};
  rows.push_back(input);
}

std::vector<Control> chartRows() {
  std::vector<Control> rows;
  const int wide = kWidth - kLeft - (kLeft + kCaption - 20);
  pair(rows, kLeft, 120, "lblLay", "Lay", list(kLay, {}, 0, "Lay", true), wide);
  int top = 120 + kRow + 30;
  pair(rows, kLeft, top, "lblUnits", "Units", list(kUnits, {}, 1, "Units", true), kShort);
  pair(rows, kRight, top, "lblHose", "Hose", list(kHose, {}, 2, "Hose", true), kNarrow);
  top += kRow;
  pair(rows, kLeft, top, kNozzleLabel, "Nozzle, psi", field(kNozzle, {}, 3, "Nozzle pressure"),
       kShort);
  pair(rows, kRight, top, "lblLines", "Lines", field(kLines, {}, 4, "Number of lines"), kNarrow);
  top += kRow;
  pair(rows, kLeft, top, "lblFloors", "Floors", field(kFloors, {}, 5, "Floors"), kShort);
  pair(rows, kRight, top, "lblPaper", "Paper", list(kPaper, {}, 6, "Paper", true), kNarrow);
  top += kRow;
  pair(rows, kLeft, top, kFlowsLabel, "Flows, gpm", field(kFlows, {}, 7, "Flows"), wide);
  top += kRow;
  pair(rows, kLeft, top, kLengthsLabel, "Lengths, ft", field(kLengths, {}, 8, "Lengths"), wide);
  top += kRow + 60;
  rows.push_back(text(kHeading, {kLeft, top, kInner, 1140}, 9, "Chart heading"));
  top += 1140 + 90;
  rows.push_back(grid(kChart, {kLeft, top, kInner, 3300}, 10, "Pump chart"));
  top += 3300 + 120;
  const int step = kKeyWidth + (kInner - 4 * kKeyWidth) / 3;
  rows.push_back(outputKey(kCopy, "Copy", kLeft, top, 11, Output::Copy));
  rows.push_back(outputKey(kPrint, "Print...", kLeft + step, top, 12, Output::Print));
  rows.push_back(outputKey(kSavePdf, "Save PDF...", kLeft + 2 * step, top, 13, Output::SavePdf));
  rows.push_back(cancelButton(kClose, "Close", kLeft + 3 * step, top, 14));
  for (auto key = rows.end() - 4; key != rows.end(); ++key) key->at.width = kKeyWidth;
  return rows;
}

}  // namespace

const Dialog& chartBox() {
  static const std::vector<Control> rows = chartRows();
  static const Dialog box{"frmPumpChart",        "Pump chart", kWidth,
                          heightBelowLast(rows), rows,         "working"};
  return box;
}

}  // namespace vardel::panel
