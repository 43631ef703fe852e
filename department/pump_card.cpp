#include "department/pump_card.h"

#include "calc/lay_figures.h"
#include "calc/lay_result.h"
#include "calc/unit_text.h"
#include "core/app_info.h"
#include "department/pump_chart.h"
#include "department/saved_lines.h"

namespace vardel {
namespace {

std::string withUnit(const std::string& figure, std::string_view unit) {
  return figure + " " + std::string(unit);
}

// A saved line as a pump chart of one cell: exactly what recalling it shows.
CardEntry lineEntry(const SavedLine& line, const DepartmentValues* inForce, std::string_view date) {
  PumpChartLay one = layOf(line);
  one.flows = {line.flow};
  one.lengths = {line.length};
  const PumpChart chart = pumpChart(one, inForce, date);
  const PumpChartCell& cell = chart.cells.front();
  const UnitNames& u = unitNames(line.metric);
  CardEntry e;
  e.name = line.name;
  e.pumpPressure = cell.text == kErrorText ? cell.text : withUnit(cell.text, u.pressure);
  e.departmentUsed = chart.departmentUsed;
  e.overLimit = cell.overLimit;
  e.rows.push_back({"", describeLine(line), withUnit(line.flow, u.flow), ""});
  return e;
}

CardEntry layEntry(const Lay& lay, const DepartmentValues* inForce) {
  const LayResult r = layResult(lay, layFigures(inForce, lay.metric));
  CardEntry e;
  e.name = lay.name;
  e.lay = true;
  if (!r.problem.empty()) {
    e.pumpPressure = r.problem;
    return e;
  }
  e.pumpPressure = withUnit(roundedText(r.pumpPressure), unitNames(lay.metric).pressure);
  e.departmentUsed = r.departmentUsed;
  e.overLimit = r.overLimit;
  e.overCapacity = r.overCapacity;
  e.rows = laySummary(lay, r);
  return e;
}

}  // namespace

PumpCard pumpCard(const DepartmentValues& values, const DepartmentValues* inForce,
                  std::string_view date) {
  PumpCard card;
  card.title = "Pump panel card: " + values.name;
  for (const SavedLine& line : values.lines) card.entries.push_back(lineEntry(line, inForce, date));
  for (const Lay& lay : values.lays) card.entries.push_back(layEntry(lay, inForce));
  card.footer.push_back(inForce != nullptr ? "Figures: the department's values, " + inForce->name +
                                                 ", where it set them, else the published ones"
                                           : "Figures: the published ones");
  card.footer.push_back(std::string(app_info::kTitle) + " " + app_info::kVersion + ", " +
                        std::string(date));
  return card;
}

}  // namespace vardel
