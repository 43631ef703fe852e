#include "panel/chart_desk.h"

#include <algorithm>

#include "calc/hose_table.h"
#include "calc/unit_text.h"
#include "panel/chart_box.h"
#include "panel/file_choice.h"

namespace vardel::panel {
namespace {

using namespace chart_box;

std::string joined(const std::vector<std::string>& parts, std::string_view between) {
  std::string out;
  for (const std::string& part : parts) {
    if (!out.empty()) out += between;
    out += part;
  }
  return out;
}

// A list of values as typed: separated by blanks, commas or semicolons.
std::vector<std::string> valuesOf(std::string_view text) {
  std::vector<std::string> values;
  std::string value;
  for (const char c : text) {
    if (c == ' ' || c == ',' || c == ';' || c == '\t') {
      if (!value.empty()) values.push_back(std::move(value));
      value.clear();
    } else {
      value += c;
    }
  }
  if (!value.empty()) values.push_back(std::move(value));
  return values;
}

// A nozzle pressure of a typed-in lay: 100 psi, or about as much in kPa.
std::string defaultNozzlePressure(bool metric) { return metric ? "700" : "100"; }

}  // namespace

ChartDesk::ChartDesk(const Calculator& calculator, const DepartmentStore* store, Paper paper,
                     std::function<std::string()> today)
    : BoxDesk(chartBox()),
      calculator_(calculator),
      store_(store),
      paper_(paper),
      today_(std::move(today)) {}

void ChartDesk::openBox() {
  open();
  chart_.reset();
  Shown& lays = at(kLay);
  lays.items = {"Typed in"};
  if (store_ != nullptr && store_->values()) {
    for (const SavedLine& line : store_->values()->lines) lays.items.push_back(line.name);
  }
  at(kUnits).items = {std::string(kEnglishNames.choice), std::string(kMetricNames.choice)};
  Shown& hoses = at(kHose);
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    hoses.items.push_back(hoseName(static_cast<std::int16_t>(row)));
  }
  at(kPaper).items = {std::string(paperName(Paper::A4)), std::string(paperName(Paper::Letter))};
  at(kPaper).selected = paper_ == Paper::Letter ? 1 : 0;

  PumpChartLay lay;
  if (lastLay_) {
    lay = *lastLay_;
  } else {
    lay.metric = !isEnglish(calculator_.state);
    lay.nozzlePressure = defaultNozzlePressure(lay.metric);
    if (calculator_.state.selectedHose >= 0) lay.hose = calculator_.state.selectedHose;
    lay.flows = defaultFlows(lay.metric);
    lay.lengths = defaultLengths(lay.metric);
  }
  showLay(lay);
  drawChart();
}

void ChartDesk::closing() {
  lastLay_ = layShown();
  chart_.reset();
}

std::string ChartDesk::copied() const { return chart_ ? tabSeparated(*chart_) : std::string(); }

std::optional<PrintedPage> ChartDesk::page() const {
  if (!chart_) return std::nullopt;
  const Shown& grid = at(kChart);
  return PrintedPage{.heading = chart_->heading,
                     .cells = grid.items,
                     .columns = static_cast<std::size_t>(grid.columns),
                     .marked = grid.marked,
                     .paper = paper_,
                     .pdf = &kChartPdfFile};
}

void ChartDesk::showLay(const PumpChartLay& lay) {
  Shown& lays = at(kLay);
  const auto chosen = std::find(lays.items.begin(), lays.items.end(), lay.name);
  lays.selected = lay.name.empty() || chosen == lays.items.end()
                      ? 0
                      : static_cast<int>(chosen - lays.items.begin());
  at(kUnits).selected = lay.metric ? 1 : 0;
  at(kHose).selected = lay.hose;
  at(kNozzle).text = lay.nozzlePressure;
  at(kLines).text = lay.lines;
  at(kFloors).text = lay.floors;
  at(kFlows).text = joined(lay.flows, " ");
  at(kLengths).text = joined(lay.lengths, " ");
  const UnitNames& u = unitNames(lay.metric);
  at(kNozzleLabel).text = "Nozzle, " + std::string(u.pressure);
  at(kFlowsLabel).text = "Flows, " + std::string(u.flow);
  at(kLengthsLabel).text = "Lengths, " + std::string(u.length);
}

PumpChartLay ChartDesk::layShown() const {
  PumpChartLay lay;
  const Shown& lays = at(kLay);
  if (lays.selected > 0) lay.name = lays.items[static_cast<std::size_t>(lays.selected)];
  lay.metric = at(kUnits).selected == 1;
  lay.hose = static_cast<std::int16_t>(at(kHose).selected);
  lay.nozzlePressure = at(kNozzle).text;
  lay.lines = at(kLines).text;
  lay.floors = at(kFloors).text;
  lay.flows = valuesOf(at(kFlows).text);
  lay.lengths = valuesOf(at(kLengths).text);
  return lay;
}

void ChartDesk::drawChart() {
  const PumpChartLay lay = layShown();
  const std::string problem = checkLay(lay);
  Shown& grid = at(kChart);
  grid.items.clear();
  grid.marked.clear();
  grid.columns = 0;
  if (problem.empty()) {
    chart_ = pumpChart(lay, calculator_.state.department, today_());
    at(kHeading).text = joined(chart_->heading, "\n");
    grid.columns = static_cast<int>(lay.flows.size()) + 1;
    grid.items.push_back(cornerText(lay.metric));
    grid.items.insert(grid.items.end(), lay.flows.begin(), lay.flows.end());
    for (std::size_t row = 0; row < lay.lengths.size(); ++row) {
      grid.items.push_back(lay.lengths[row]);
      for (std::size_t column = 0; column < lay.flows.size(); ++column) {
        const PumpChartCell& cell = chart_->cells[row * lay.flows.size() + column];
        if (cell.overLimit) grid.marked.push_back(static_cast<int>(grid.items.size()));
        grid.items.push_back(cell.overLimit ? cell.text + " *" : cell.text);
      }
    }
  } else {
    chart_.reset();
    at(kHeading).text = problem;
  }
  for (const std::string_view key : {kCopy, kPrint, kSavePdf}) at(key).enabled = chart_.has_value();
}

void ChartDesk::edited(std::string_view) {
  at(kLay).selected = 0;  // a changed lay is no longer the saved line
  drawChart();
}

void ChartDesk::selected(std::string_view name, int row) {
  if (name == kPaper) {
    paper_ = row == 1 ? Paper::Letter : Paper::A4;
    return;
  }
  if (name == kLay && row > 0 && store_ != nullptr && store_->values()) {
    for (const SavedLine& line : store_->values()->lines) {
      if (line.name == at(kLay).items[static_cast<std::size_t>(row)]) showLay(layOf(line));
    }
  } else if (name == kUnits) {
    // The other system's defaults: values kept from the old one would be
    // taken in the wrong units.
    PumpChartLay lay = layShown();
    lay.name.clear();
    lay.nozzlePressure = defaultNozzlePressure(lay.metric);
    lay.flows = defaultFlows(lay.metric);
    lay.lengths = defaultLengths(lay.metric);
    showLay(lay);
  } else if (name == kHose) {
    at(kLay).selected = 0;
  }
  drawChart();
}

}  // namespace vardel::panel
