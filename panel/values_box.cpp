#include "panel/values_box.h"

#include <string>
#include <vector>

#include "calc/hose_table.h"
#include "department/rules.h"
#include "panel/box_rows.h"
#include "panel/main_window.h"

namespace vardel::panel {
namespace {

using namespace box_rows;
using namespace values_box;

// What a screen reader calls a hose key: the main window's spoken name.
std::string_view spokenHose(std::size_t row) {
  for (const Control& control : panelControls()) {
    if (control.key && control.key->kind == KeyKind::Hose &&
        static_cast<std::size_t>(control.key->index) == row) {
      return control.accessibleName;
    }
  }
  return {};
}

// A row of the box: a caption and a field for each unit system. A caption
// lies a little lower than its fields' tops, so that the texts line up.
void pairRow(std::vector<Control>& rows, int top, std::string_view labelName,
             std::string_view caption, std::string_view english, std::string_view metric,
             std::string_view spoken, int& tab, std::int16_t index = -1) {
  rows.push_back(label(labelName, caption, {kLeft, top + 45, 1500, 225}));
  rows.back().index = index;
  rows.push_back(field(english, {1680, top, 1440, kField}, tab++,
                       keep(std::string(spoken) + ", English"), index));
  rows.push_back(field(metric, {3240, top, 1440, kField}, tab++,
                       keep(std::string(spoken) + ", metric"), index));
}

// A row of the flow test: a caption and one field (or list).
void testRow(std::vector<Control>& rows, int top, std::string_view labelName,
             std::string_view caption, Control input) {
  rows.push_back(label(labelName, caption, {kLeft, top + 45, 2400, 225}));
  input.at = {2580, top, 2100, kField};
  rows.push_back(input);
}

// The rows below the line that says where the values came from.
constexpr int kBelowOrigin = 480;

std::vector<Control> valuesRows() {
  std::vector<Control> rows;
  int tab = 0;
  const int y = kBelowOrigin;
  rows.push_back(label(kOrigin, "", {kLeft, 60, kInner, 390}, true));
  rows.push_back(label("lblName", "Department name", {kLeft, y + 165, 1500, 225}));
  rows.push_back(field(kName, {1680, y + 120, 3000, kField}, tab++, "Department name"));
  rows.push_back(label("lblHoseHeading", "Coefficient", {kLeft, y + 540, 1500, 225}));
  rows.push_back(label("lblEnglishHeading", "English", {1680, y + 540, 1440, 225}));
  rows.push_back(label("lblMetricHeading", "Metric", {3240, y + 540, 1440, 225}));
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    const auto index = static_cast<std::int16_t>(row);
    pairRow(rows, y + 810 + kRow * index, "lblHose", keep(hoseName(index)), kEnglish, kMetric,
            keep(std::string(spokenHose(row)) + ", coefficient"), tab, index);
  }
  pairRow(rows, y + 5490, "lblPerFloor", "Per floor, psi / kPa", kPerFloorEnglish, kPerFloorMetric,
          "Elevation pressure per floor", tab);
  pairRow(rows, y + 5820, "lblPumpLimit", "Pump limit, psi / kPa", kPumpLimitEnglish,
          kPumpLimitMetric, "Pump pressure limit", tab);
  pairRow(rows, y + 5820 + kRow, "lblPracticeTolerance", "Practice, psi / kPa",
          kPracticeToleranceEnglish, kPracticeToleranceMetric, "Tolerance of a practice answer",
          tab);
  rows.push_back(label("lblLayFigures", "For lays: flows in gpm / L/min, pressures in psi / kPa",
                       {kLeft, y + 6195 + kRow, kInner, 225}));
  int top = y + 6450 + kRow;
  for (const LayFigureFields& f : kLayFigureFields) {
    const std::string_view name = ruleOf(f.figure).name;
    // "lblWyeFrom" beside "txtWyeFromEnglish".
    const std::string_view english = f.english.substr(3);
    const std::string_view labelName =
        keep("lbl" + std::string(english.substr(0, english.size() - 7)));
    pairRow(rows, top, labelName, name, f.english, f.metric, name, tab);
    top += kRow;
  }

  rows.push_back(rule(0, top + 105));
  rows.push_back(label("lblFlowTest", "Flow test: a hose key's coefficient from a test",
                       {kLeft, top + 195, kInner, 225}));
  const int test = top + 510;
  testRow(rows, test, "lblTestHose", "Hose key",
          list(kTestHose, {}, tab++, "Flow test, hose key", true));
  testRow(rows, test + kRow, "lblTestUnits", "Units",
          list(kTestUnits, {}, tab++, "Flow test, units", true));
  const struct {
    std::string_view label, caption, field, spoken;
  } fields[] = {
      {kTestFlowLabel, "Flow, gpm", kTestFlow, "Flow test, total flow"},
      {"lblTestLines", "Lines", kTestLines, "Flow test, number of lines"},
      {kTestLengthLabel, "Length, ft", kTestLength, "Flow test, length"},
      {kTestStartLabel, "Pressure at the pump, psi", kTestStart, "Flow test, pressure at the pump"},
      {kTestEndLabel, "Pressure at the far end, psi", kTestEnd,
       "Flow test, pressure at the far end"},
      {kTestRiseLabel, "Rise of the far end, ft", kTestRise, "Flow test, rise of the far end"},
  };
  top = test + 2 * kRow;
  for (const auto& f : fields) {
    testRow(rows, top, f.label, f.caption, field(f.field, {}, tab++, f.spoken));
    top += kRow;
  }
  top += 60;
  rows.push_back(button(kWorkOut, "Work out", kLeft, top, tab++));
  rows.push_back(label(kTestResult, "", {1440, top, 3240, 480}, true));
  rows.push_back(rule(1, top + 555));
  rows.push_back(defaultButton(kSave, "Save", 2160, top + 660, tab++));
  rows.push_back(cancelButton(kCancel, "Cancel", 3480, top + 660, tab++));
  return rows;
}

}  // namespace

const Dialog& valuesBox() {
  static const std::vector<Control> rows = valuesRows();
  static const Dialog box{
      "frmDepartmentValues", "Department values", kWidth, heightBelowLast(rows, 135), rows,
      "department"};
  return box;
}

}  // namespace vardel::panel
