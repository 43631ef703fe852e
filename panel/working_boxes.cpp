#include "panel/working_boxes.h"

#include <vector>

#include "panel/box_rows.h"
#include "panel/colours.h"

namespace vardel::panel {
namespace {

using namespace box_rows;

Control text(std::string_view name, TwipsRect at, int tab, std::string_view spoken) {
  return {.name = name,
          .kind = Kind::Text,
          .at = at,
          .back = colours::kWhite,
          .fore = colours::kBlack,
          .tab = tab,
          .accessibleName = spoken};
}

Control outputKey(std::string_view name, std::string_view caption, int left, int top, int tab,
                  Output output) {
  Control row = button(name, caption, left, top, tab);
  row.output = output;
  return row;
}

std::vector<Control> workingRows() {
  std::vector<Control> rows;
  rows.push_back(text("txtWorking", {kLeft, 120, kInner, 2880}, 0, "Working"));
  rows.push_back(outputKey("cmdCopy", "Copy", 2160, 3120, 1, Output::Copy));
  // Enter closes the box, as it closes the About box.
  rows.push_back(cancelButton("cmdClose", "Close", 3480, 3120, 2));
  rows.back().defaultKey = true;
  return rows;
}

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
  pair(rows, kLeft, 120, "lblLay", "Lay", list("lstLay", {}, 0, "Lay", true), wide);
  int top = 120 + kRow + 30;
  pair(rows, kLeft, top, "lblUnits", "Units", list("lstUnits", {}, 1, "Units", true), kShort);
  pair(rows, kRight, top, "lblHose", "Hose", list("lstHose", {}, 2, "Hose", true), kNarrow);
  top += kRow;
  pair(rows, kLeft, top, "lblNozzle", "Nozzle, psi", field("txtNozzle", {}, 3, "Nozzle pressure"),
       kShort);
  pair(rows, kRight, top, "lblLines", "Lines", field("txtLines", {}, 4, "Number of lines"),
       kNarrow);
  top += kRow;
  pair(rows, kLeft, top, "lblFloors", "Floors", field("txtFloors", {}, 5, "Floors"), kShort);
  pair(rows, kRight, top, "lblPaper", "Paper", list("lstPaper", {}, 6, "Paper", true), kNarrow);
  top += kRow;
  pair(rows, kLeft, top, "lblFlows", "Flows, gpm", field("txtFlows", {}, 7, "Flows"), wide);
  top += kRow;
  pair(rows, kLeft, top, "lblLengths", "Lengths, ft", field("txtLengths", {}, 8, "Lengths"), wide);
  top += kRow + 60;
  rows.push_back(text("txtHeading", {kLeft, top, kInner, 1140}, 9, "Chart heading"));
  top += 1140 + 90;
  rows.push_back({.name = "grdChart",
                  .kind = Kind::Grid,
                  .at = {kLeft, top, kInner, 3300},
                  .back = colours::kWhite,
                  .fore = colours::kBlack,
                  .tab = 10,
                  .accessibleName = "Pump chart"});
  top += 3300 + 120;
  const int step = kKeyWidth + (kInner - 4 * kKeyWidth) / 3;
  rows.push_back(outputKey("cmdCopy", "Copy", kLeft, top, 11, Output::Copy));
  rows.push_back(outputKey("cmdPrint", "Print...", kLeft + step, top, 12, Output::Print));
  rows.push_back(
      outputKey("cmdSavePdf", "Save PDF...", kLeft + 2 * step, top, 13, Output::SavePdf));
  rows.push_back(cancelButton("cmdClose", "Close", kLeft + 3 * step, top, 14));
  for (auto key = rows.end() - 4; key != rows.end(); ++key) key->at.width = kKeyWidth;
  return rows;
}

}  // namespace

const Dialog& workingBox() {
  static const std::vector<Control> rows = workingRows();
  static const Dialog box{"frmWorking", "Working", kWidth, 3600, rows};
  return box;
}

const Dialog& chartBox() {
  static const std::vector<Control> rows = chartRows();
  const Control& last = rows.back();
  static const Dialog box{"frmPumpChart", "Pump chart", kWidth, last.at.top + last.at.height + 120,
                          rows};
  return box;
}

}  // namespace vardel::panel
