#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/department_values.h"

// A pump chart: the engine pressures of one lay over lists of flows and
// lengths, each cell the calculator's own result for exactly those keys.
namespace vardel {

// One lay: the values as keyed, in one unit system. The flows and lengths
// are the chart's columns and rows.
struct PumpChartLay {
  std::string name;  // the saved line it came from; empty when typed in
  bool metric = false;
  std::string nozzlePressure = "100";
  std::int16_t hose = 4;  // row of the hose table
  std::string lines = "1", floors = "0";
  std::vector<std::string> flows, lengths;
};

// 95 to 250 gpm and 100 to 500 ft in steps of 50; in metric units about the
// same lays, 360 to 950 L/min and 30 to 150 m in steps of 15.
std::vector<std::string> defaultFlows(bool metric);
std::vector<std::string> defaultLengths(bool metric);

// A saved line as a chart's lay, with the default flows and lengths.
PumpChartLay layOf(const SavedLine& line);

inline constexpr std::size_t kMostChartValues = 20;  // flows, and lengths

// Why a lay gives no chart (a value that is no number as the keypad keys
// it, no flows or lengths or more than 20 of either), or an empty text.
std::string checkLay(const PumpChartLay& lay);

struct PumpChartCell {
  std::string text;        // the number as the display shows it, or "ERROR"
  bool overLimit = false;  // above the department's pump pressure limit
};

struct PumpChart {
  std::vector<std::string> heading;  // the lay, the figures used and whose, the formula
  std::vector<PumpChartCell> cells;  // row by row: one row per length, one column per flow
  std::string cell(std::size_t length, std::size_t flow) const;
  PumpChartLay lay;
  std::string unit;  // "psi" or "kPa"
  bool departmentUsed = false;
  bool anyOverLimit = false;
};

// The chart of `lay` with `department` in force (none: the published
// figures); `date` and the program's version stand in its heading.
PumpChart pumpChart(const PumpChartLay& lay, const DepartmentValues* department,
                    std::string_view date);

// What the chart's corner cell says: lengths down, flows across ("ft \\ gpm").
std::string cornerText(bool metric);

// The chart as tab-separated text for a spreadsheet: the heading, then the
// lengths down the first column and the flows along the first row; a cell
// above the limit is marked "*".
std::string tabSeparated(const PumpChart& chart);

}  // namespace vardel
