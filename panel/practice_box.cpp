#include "panel/practice_box.h"

#include <vector>

#include "panel/box_rows.h"
#include "panel/main_window.h"

namespace vardel::panel {
namespace {

using namespace box_rows;

std::vector<Control> boxRows() {
  using namespace practice_box;
  constexpr int kKeyWidth = 1080;
  std::vector<Control> rows;
  rows.push_back(label("lblSet", "Set number", {kLeft, 165, 1500, 225}));
  rows.push_back(field(kSet, {1680, 120, 1200, kField}, 0, "Set number"));
  rows.push_back(text(kAbout, {kLeft, 540, kInner, 1860}, 1, "Practice set"));
  const int top = 540 + 1860 + 120;
  const int step = kKeyWidth + (kInner - 4 * kKeyWidth) / 3;
  rows.push_back(defaultButton(kStart, "Start", kLeft, top, 2));
  rows.push_back(outputKey(kPrint, "Print...", kLeft + step, top, 3, Output::Print));
  rows.push_back(outputKey(kSavePdf, "Save PDF...", kLeft + 2 * step, top, 4, Output::SavePdf));
  rows.push_back(cancelButton(kClose, "Close", kLeft + 3 * step, top, 5));
  for (auto key = rows.end() - 4; key != rows.end(); ++key) key->at.width = kKeyWidth;
  return rows;
}

// As wide as the panel, below it, tall enough for a miss's working and the
// next problem; its tab stops follow the panel's keys.
constexpr int kStripText = 2160;
constexpr int kStripHeight = 60 + kStripText + 60 + kButtonHeight + 60;
std::vector<Control> stripRows() {
  using namespace practice_strip;
  std::vector<Control> rows;
  rows.push_back(text(kProblem, {60, 60, kClientWidthTwips - 120, kStripText}, 100, "Practice"));
  rows.push_back(
      button(kLeave, "Leave practice", kClientWidthTwips - 60 - 1560, 60 + kStripText + 60, 101));
  rows.back().at.width = 1560;
  return rows;
}

}  // namespace

const Dialog& practiceBox() {
  static const std::vector<Control> rows = boxRows();
  static const Dialog box{"frmPractice",         "Practice", kWidth,
                          heightBelowLast(rows), rows,       "working"};
  return box;
}

const Dialog& practiceStrip() {
  static const std::vector<Control> rows = stripRows();
  static const Dialog strip{"fraPractice", "Practice", kClientWidthTwips,
                            kStripHeight,  rows,       "practice"};
  return strip;
}

}  // namespace vardel::panel
