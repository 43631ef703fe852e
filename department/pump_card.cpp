#include "department/pump_card.h"

#include "calc/lay_figures.h"
#include "calc/lay_result.h"
#include "calc/lay_summary.h"
#include "calc/unit_text.h"
#include "core/app_info.h"
#include "department/pump_chart.h"

namespace vardel {
namespace {

std::string pressureUnit(bool metric) { return std::string(unitNames(metric).pressure); }

// A saved line as a pump chart of one cell: exactly what recalling it shows.
CardEntry lineEntry(const SavedLine& line, const DepartmentValues* department,
                    std::string_view date) {
  PumpChartLay one = layOf(line);
  one.flows = {line.flow};
  one.lengths = {line.length};
  const PumpChart chart = pumpChart(one, department, date);
  const PumpChartCell& cell = chart.cells.front();
  CardEntry e;
  e.name = line.name;
  e.pumpPressure =
      cell.text == kErrorText ? cell.text : cell.text + " " + pressureUnit(line.metric);
  e.departmentUsed = chart.departmentUsed;
  e.overLimit = cell.overLimit;
  e.rows.push_back("Line: nozzle " + line.nozzlePressure + " " + pressureUnit(line.metric) + ", " +
                   line.flow + " " + std::string(unitNames(line.metric).flow) + ", " +
                   hoseName(line.hose) + " × " + line.lines + ", " + line.length + " " +
                   std::string(unitNames(line.metric).length) + ", " + line.floors + " floors");
  return e;
}

CardEntry layEntry(const Lay& lay, const DepartmentValues* department,
                   const std::optional<PumpRating>& rating) {
  const LayResult r = layResult(lay, layFigures(department, lay.metric, rating));
  CardEntry e;
  e.name = lay.name;
  if (!r.problem.empty()) {
    e.pumpPressure = r.problem;
    return e;
  }
  e.pumpPressure = roundedText(r.pumpPressure) + " " + pressureUnit(lay.metric);
  e.departmentUsed = r.departmentUsed;
  e.overLimit = r.overLimit;
  e.overCapacity = r.overCapacity;
  e.rows = laySummary(lay, r);
  return e;
}

}  // namespace

PumpCard pumpCard(const DepartmentValues* department, const std::vector<SavedLine>& lines,
                  const std::vector<Lay>& lays, std::optional<PumpRating> rating,
                  std::string_view date) {
  PumpCard card;
  card.title = "Pump panel card" + (department != nullptr ? ": " + department->name : "");
  for (const SavedLine& line : lines) card.entries.push_back(lineEntry(line, department, date));
  for (const Lay& lay : lays) card.entries.push_back(layEntry(lay, department, rating));
  card.footer.push_back(department != nullptr ? "Figures: department values, " + department->name +
                                                    ", where it set them; else published"
                                              : "Figures: published");
  card.footer.push_back(std::string(app_info::kTitle) + " " + app_info::kVersion + ", " +
                        std::string(date));
  return card;
}

}  // namespace vardel
