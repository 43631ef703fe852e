#include "panel/lays_box.h"

#include <vector>

#include "panel/box_rows.h"

namespace vardel::panel {
namespace {

using namespace box_rows;
using namespace lays_box;

// Two columns, each a caption and a field or list; a rise takes a field and
// its unit. Three keys share a row.
constexpr int kCaption = 960;
constexpr int kRight = 2460;
constexpr int kLeftInput = kLeft + kCaption;
constexpr int kRightInput = kRight + 660;
constexpr int kLeftWidth = kRight - 60 - kLeftInput;
constexpr int kRightWidth = kWidth - kLeft - kRightInput;
constexpr int kUnitWidth = 780;
constexpr int kKeyWidth = 1440;
constexpr int kKeyStep = kKeyWidth + (kInner - 3 * kKeyWidth) / 2;
// A row of keys leaves room for a key a finger can hit, as the web page
// draws it on a touch screen at the panel's width.
constexpr int kKeyRow = 600;

struct Rows {
  std::vector<Control> rows;
  int top = 120;
  int tab = 0;

  void caption(std::string_view name, std::string_view text, int left, int width) {
    rows.push_back(label(name, text, {left, top + 45, width - 60, 225}));
  }
  void input(Control row, int left, int width) {
    row.at = {left, top, width, kField};
    row.tab = tab++;
    rows.push_back(row);
  }
  // A caption and an input in the left column, or across the box.
  void left(std::string_view labelName, std::string_view text, Control row, bool across = false) {
    caption(labelName, text, kLeft, kCaption);
    input(row, kLeftInput, across ? kWidth - kLeft - kLeftInput : kLeftWidth);
  }
  void right(std::string_view labelName, std::string_view text, Control row) {
    caption(labelName, text, kRight, kRightInput - kRight);
    input(row, kRightInput, kRightWidth);
  }
  // A rise in the right column: its caption, its field and its unit.
  void rise(std::string_view labelName, std::string_view field, std::string_view unit,
            std::string_view spoken) {
    caption(labelName, "Rise", kRight, kRightInput - kRight);
    riseInputs(field, unit, spoken);
  }
  void riseInputs(std::string_view field, std::string_view unit, std::string_view spoken) {
    input(box_rows::field(field, {}, 0, spoken), kRightInput, kRightWidth - kUnitWidth - 60);
    input(list(unit, {}, 0, keep(std::string(spoken) + ", unit"), true),
          kWidth - kLeft - kUnitWidth, kUnitWidth);
  }
  void keys(std::initializer_list<Control> keys) {
    int left = kLeft;
    for (Control key : keys) {
      key.at = {left, top, kKeyWidth, kButtonHeight};
      key.tab = tab++;
      rows.push_back(key);
      left += kKeyStep;
    }
    top += kKeyRow;
  }
  void next() { top += kRow; }
};

std::vector<Control> laysRows() {
  Rows r;
  r.left("lblSavedLays", "Saved lay", list(kSavedLays, {}, 0, "Saved lay", true), true);
  r.next();
  r.left("lblLayName", "Name", field(kLayName, {}, 0, "Name of the lay"));
  r.rows.push_back(label(kUnits, "", {kRight, r.top + 45, kWidth - kLeft - kRight, 225}));
  r.next();
  r.rows.push_back(label("lblDischarges", "Discharges", {kLeft, r.top + 45, kInner, 225}));
  r.top += 300;
  r.input(list(kDischarges, {}, 0, "Discharges", false), kLeft, kInner);
  r.rows.back().at.height = 1380;  // six rows
  r.top += 1380 + 75;
  r.keys({button(kAddDischarge, "Add discharge", 0, 0, 0),
          button(kRemoveDischarge, "Remove", 0, 0, 0)});
  r.rows.push_back(rule(0, r.top));
  r.top += 90;

  r.rows.push_back(label(kDischargeHeading, "", {kLeft, r.top + 45, kInner, 225}));
  r.next();
  r.left("lblKind", "Kind", list(kKind, {}, 0, "Kind of discharge", true), true);
  r.next();
  r.left(kHoseLabel, "Hose", list(kHose, {}, 0, "Hose", true));
  r.right("lblLines", "Lines", field(kLines, {}, 0, "Siamesed lines"));
  r.next();
  r.left(kLengthLabel, "Length, ft", field(kLength, {}, 0, "Length"));
  r.rise("lblRise", kRise, kRiseUnit, "Rise of the hose");
  r.next();
  r.caption("lblApplianceRise", "Rise of the appliance", kLeft, kRightInput - kLeft);
  r.riseInputs(kApplianceRise, kApplianceRiseUnit, "Rise of the appliance");
  r.next();
  r.rows.push_back(rule(1, r.top + 15));
  r.top += 90;

  r.left("lblBranch", "Branch", list(kBranch, {}, 0, "Branch", true));
  r.next();
  r.keys({button(kAddBranch, "Add branch", 0, 0, 0), button(kRemoveBranch, "Remove", 0, 0, 0)});
  r.left("lblBranchHose", "Hose", list(kBranchHose, {}, 0, "Hose of the branch", true));
  r.right("lblBranchLines", "Lines", field(kBranchLines, {}, 0, "Siamesed lines of the branch"));
  r.next();
  r.left(kBranchLengthLabel, "Length, ft", field(kBranchLength, {}, 0, "Length of the branch"));
  r.rise("lblBranchRise", kBranchRise, kBranchRiseUnit, "Rise of the branch");
  r.next();
  r.rows.push_back(rule(2, r.top + 15));
  r.top += 90;

  r.rows.push_back(label(kNozzleHeading, "", {kLeft, r.top + 45, kInner, 225}));
  r.next();
  r.left("lblNozzleKind", "Nozzle", list(kNozzle, {}, 0, "Nozzle", true));
  r.right(kNozzlePressureLabel, "NP, psi", field(kNozzlePressure, {}, 0, "Nozzle pressure"));
  r.next();
  r.left(kNozzleFigureLabel, "Flow, gpm", field(kNozzleFigure, {}, 0, "Flow"));
  r.next();
  r.top += 45;

  r.input(text(kResult, {}, 0, "Result of the lay"), kLeft, kInner);
  r.rows.back().at.height = 1800;
  r.top += 1800 + 90;
  r.keys({defaultButton(kShow, "Show", 0, 0, 0), button(kSaveLay, "Save", 0, 0, 0),
          button(kDeleteLay, "Delete", 0, 0, 0)});
  r.keys({outputKey(kPrintCard, "Print card...", 0, 0, 0, Output::Print),
          outputKey(kSaveCardPdf, "Card PDF...", 0, 0, 0, Output::SavePdf),
          cancelButton(kClose, "Close", 0, 0, 0)});
  return r.rows;
}

}  // namespace

const Dialog& laysBox() {
  static const std::vector<Control> rows = laysRows();
  // Of the working's family, whose texts wrap as the working's do.
  static const Dialog box{"frmLays", "Lays", kWidth, heightBelowLast(rows), rows, "working"};
  return box;
}

}  // namespace vardel::panel
