#include "department/pump_chart.h"

#include "calc/figures.h"
#include "calc/hose_table.h"
#include "calc/unit_text.h"
#include "core/app_info.h"
#include "core/number_text.h"
#include "department/saved_lines.h"

namespace vardel {
namespace {

std::vector<std::string> steps(int first, int last, int step) {
  std::vector<std::string> values;
  for (int v = first; v <= last; v += step) values.push_back(std::to_string(v));
  return values;
}

std::string source(const Figure& figure, const DepartmentValues* department) {
  return figure.department && department != nullptr ? "department value, " + department->name
                                                    : "published";
}

// The engine pressure of one cell, keyed as a saved line is recalled, on a
// calculator of its own.
PumpChartCell keyCell(const PumpChartLay& lay, const std::string& flow, const std::string& length,
                      const DepartmentValues* department, bool* departmentUsed) {
  const CalculatorState s = recalledOnItsOwn(
      {lay.name, lay.metric, lay.nozzlePressure, flow, lay.hose, lay.lines, length, lay.floors},
      department);
  if (s.text1 == kErrorText) return {std::string(kErrorText), false};
  *departmentUsed = *departmentUsed || s.working.departmentUsed;
  const std::string_view word = unit_words::kPressure.in(s);
  return {s.text1.substr(word.size()), s.working.overLimit};
}

}  // namespace

std::vector<std::string> defaultFlows(bool metric) {
  if (metric) return {"360", "380", "475", "570", "660", "760", "850", "950"};
  return {"95", "100", "125", "150", "175", "200", "225", "250"};
}

std::vector<std::string> defaultLengths(bool metric) {
  return metric ? steps(30, 150, 15) : steps(100, 500, 50);
}

PumpChartLay layOf(const SavedLine& line) {
  return {line.name,  line.metric, line.nozzlePressure,       line.hose,
          line.lines, line.floors, defaultFlows(line.metric), defaultLengths(line.metric)};
}

std::string checkLay(const PumpChartLay& lay) {
  for (const auto* list : {&lay.flows, &lay.lengths}) {
    const char* what = list == &lay.flows ? "flows" : "lengths";
    if (list->empty()) return std::string("The chart needs at least one of its ") + what + ".";
    if (list->size() > kMostChartValues) {
      return std::string("The chart takes at most ") + std::to_string(kMostChartValues) + " " +
             what + ".";
    }
    for (const std::string& value : *list) {
      if (!isKeyable(value)) return "\"" + value + "\" is not a number as the keypad keys it.";
    }
  }
  for (const std::string* value : {&lay.nozzlePressure, &lay.lines, &lay.floors}) {
    if (!isKeyable(*value)) return "\"" + *value + "\" is not a number as the keypad keys it.";
  }
  if (!isHoseRow(lay.hose)) return "The chart's lay names no hose key.";
  return {};
}

std::string PumpChart::cell(std::size_t length, std::size_t flow) const {
  return cells.at(length * lay.flows.size() + flow).text;
}

PumpChart pumpChart(const PumpChartLay& lay, const DepartmentValues* department,
                    std::string_view date) {
  PumpChart chart;
  chart.lay = lay;
  const UnitNames& u = unitNames(lay.metric);
  chart.unit = u.pressure;
  for (const std::string& length : lay.lengths) {
    for (const std::string& flow : lay.flows) {
      chart.cells.push_back(keyCell(lay, flow, length, department, &chart.departmentUsed));
      chart.anyOverLimit = chart.anyOverLimit || chart.cells.back().overLimit;
    }
  }
  // The figures in force for the lay's unit system, and whose they are.
  CalculatorState figures;
  figures.strEorM = lay.metric ? kMetricUnits : kEnglishUnits;
  figures.department = department;
  const Figure coefficient = hoseCoefficient(figures, lay.hose);
  const Figure floor = perFloor(figures);
  const std::string& unit = chart.unit;
  chart.heading.push_back("Pump chart: engine pressure in " + unit + ", " + std::string(u.system) +
                          (department != nullptr ? "; department values, " + department->name +
                                                       ", " + originText(*department)
                                                 : ""));
  chart.heading.push_back(
      (lay.name.empty() ? std::string("Lay") : "Lay " + lay.name) + ": nozzle pressure " +
      lay.nozzlePressure + " " + unit + "; hose " + hoseName(lay.hose) + " (C " +
      formatPlain(coefficient.value) + ", " + source(coefficient, department) + "); " + lay.lines +
      (lay.lines == "1" ? " line; " : " lines; ") + lay.floors + " floors (" +
      formatPlain(floor.value) + " " + unit + " per floor, " + source(floor, department) + ")");
  chart.heading.push_back("Rows: length in " + std::string(u.length) + "; columns: flow in " +
                          std::string(u.flow));
  if (const std::optional<double> limit = pumpLimit(figures)) {
    chart.heading.push_back("* above the pump pressure limit of " + formatPlain(*limit) + " " +
                            unit + " (department value, " + department->name + ")");
  }
  chart.heading.push_back(
      "EP = FL + NP + E; FL = (Q/100 ÷ lines)² × C × L/100; E = floors × per floor; each cell "
      "keyed as on the calculator and rounded as its display rounds");
  chart.heading.push_back(std::string(app_info::kTitle) + " " + app_info::kVersion + ", " +
                          std::string(date));
  return chart;
}

std::string cornerText(bool metric) {
  const UnitNames& u = unitNames(metric);
  return std::string(u.length) + " \\ " + std::string(u.flow);
}

std::string tabSeparated(const PumpChart& chart) {
  std::string text;
  for (const std::string& line : chart.heading) text += line + "\n";
  text += cornerText(chart.lay.metric);
  for (const std::string& flow : chart.lay.flows) text += "\t" + flow;
  text += "\n";
  for (std::size_t row = 0; row < chart.lay.lengths.size(); ++row) {
    text += chart.lay.lengths[row];
    for (std::size_t column = 0; column < chart.lay.flows.size(); ++column) {
      const PumpChartCell& cell = chart.cells[row * chart.lay.flows.size() + column];
      text += "\t" + cell.text + (cell.overLimit ? " *" : "");
    }
    text += "\n";
  }
  return text;
}

}  // namespace vardel
