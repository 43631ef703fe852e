#include "panel/department_boxes.h"

#include <vector>

#include "calc/hose_table.h"
#include "panel/box_rows.h"
#include "panel/main_window.h"

namespace vardel::panel {
namespace {

using namespace box_rows;

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

// A row of the values box: a caption and a field for each unit system. A
// caption lies a little lower than its fields' tops, so that the texts line up.
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

std::vector<Control> valuesRows() {
  std::vector<Control> rows;
  int tab = 0;
  rows.push_back(label("lblName", "Department name", {kLeft, 165, 1500, 225}));
  rows.push_back(field("txtName", {1680, 120, 3000, kField}, tab++, "Department name"));
  rows.push_back(label("lblHoseHeading", "Coefficient", {kLeft, 540, 1500, 225}));
  rows.push_back(label("lblEnglishHeading", "English", {1680, 540, 1440, 225}));
  rows.push_back(label("lblMetricHeading", "Metric", {3240, 540, 1440, 225}));
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    const auto index = static_cast<std::int16_t>(row);
    pairRow(rows, 810 + kRow * index, "lblHose", keep(hoseName(index)), "txtEnglish", "txtMetric",
            keep(std::string(spokenHose(row)) + ", coefficient"), tab, index);
  }
  pairRow(rows, 5490, "lblPerFloor", "Per floor, psi / kPa", "txtPerFloorEnglish",
          "txtPerFloorMetric", "Elevation pressure per floor", tab);
  pairRow(rows, 5820, "lblPumpLimit", "Pump limit, psi / kPa", "txtPumpLimitEnglish",
          "txtPumpLimitMetric", "Pump pressure limit", tab);

  rows.push_back(rule(0, 6255));
  rows.push_back(label("lblFlowTest", "Flow test: a hose key's coefficient from a test",
                       {kLeft, 6345, kInner, 225}));
  const int test = 6660;
  testRow(rows, test, "lblTestHose", "Hose key",
          list("lstTestHose", {}, tab++, "Flow test, hose key", true));
  testRow(rows, test + kRow, "lblTestUnits", "Units",
          list("lstTestUnits", {}, tab++, "Flow test, units", true));
  const struct {
    std::string_view label, caption, field, spoken;
  } fields[] = {
      {"lblTestFlow", "Flow, gpm", "txtTestFlow", "Flow test, total flow"},
      {"lblTestLines", "Lines", "txtTestLines", "Flow test, number of lines"},
      {"lblTestLength", "Length, ft", "txtTestLength", "Flow test, length"},
      {"lblTestStart", "Pressure at the pump, psi", "txtTestStart",
       "Flow test, pressure at the pump"},
      {"lblTestEnd", "Pressure at the far end, psi", "txtTestEnd",
       "Flow test, pressure at the far end"},
      {"lblTestRise", "Rise of the far end, ft", "txtTestRise", "Flow test, rise of the far end"},
  };
  int top = test + 2 * kRow;
  for (const auto& f : fields) {
    testRow(rows, top, f.label, f.caption, field(f.field, {}, tab++, f.spoken));
    top += kRow;
  }
  rows.push_back(button("cmdWorkOut", "Work out", kLeft, 9360, tab++));
  rows.push_back(label("lblTestResult", "", {1440, 9360, 3240, 480}, true));
  rows.push_back(rule(1, 9915));
  rows.push_back(defaultButton("cmdSave", "Save", 2160, 10020, tab++));
  rows.push_back(cancelButton("cmdCancel", "Cancel", 3480, 10020, tab++));
  return rows;
}

std::vector<Control> linesRows() {
  std::vector<Control> rows;
  rows.push_back(label("lblLines", "Saved lines", {kLeft, 120, kInner, 225}));
  rows.push_back(list("lstLines", {kLeft, 390, kInner, 2400}, 0, "Saved lines", false));
  rows.push_back(label("lblLine", "", {kLeft, 2880, kInner, 690}, true));
  rows.push_back(button("cmdRecall", "Recall", kLeft, 3660, 1));
  rows.push_back(button("cmdDelete", "Delete", 1440, 3660, 2));
  rows.push_back(rule(0, 4140));
  rows.push_back(label("lblSaveResult", "", {kLeft, 4230, kInner, 450}, true));
  rows.push_back(label("lblLineName", "Name", {kLeft, 4800, 900, 225}));
  rows.push_back(field("txtLineName", {1080, 4755, 3600, kField}, 3, "Name of the line to save"));
  rows.push_back(defaultButton("cmdSaveLine", "Save result", kLeft, 5190, 4));
  rows.push_back(cancelButton("cmdClose", "Close", 3480, 5190, 5));
  return rows;
}

std::vector<Control> importRows() {
  std::vector<Control> rows;
  rows.push_back(label("lblImport", "", {kLeft, 120, kInner, 450}, true));
  rows.push_back(list("lstChanges", {kLeft, 630, kInner, 3000}, 0, "Changes", false));
  rows.push_back(label("lblImportNote",
                       "The department's values are put in force. Nothing changes until Apply.",
                       {kLeft, 3720, kInner, 450}, true));
  rows.push_back(defaultButton("cmdApply", "Apply", 2160, 4260, 1));
  rows.push_back(cancelButton("cmdCancel", "Cancel", 3480, 4260, 2));
  return rows;
}

}  // namespace

const Dialog& valuesBox() {
  static const std::vector<Control> rows = valuesRows();
  static const Dialog box{"frmDepartmentValues", "Department values", kWidth, 10500, rows};
  return box;
}

const Dialog& linesBox() {
  static const std::vector<Control> rows = linesRows();
  static const Dialog box{"frmSavedLines", "Saved lines", kWidth, 5670, rows};
  return box;
}

const Dialog& importBox() {
  static const std::vector<Control> rows = importRows();
  static const Dialog box{"frmImport", "Import department values", kWidth, 4740, rows};
  return box;
}

std::string englishField(int hose) { return "txtEnglish(" + std::to_string(hose) + ")"; }
std::string metricField(int hose) { return "txtMetric(" + std::to_string(hose) + ")"; }

}  // namespace vardel::panel
