#include "panel/working_desk.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "calc/hose_table.h"
#include "calc/working.h"
#include "panel/working_boxes.h"

namespace vardel::panel {
namespace {

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

Paper paperOf(std::string_view locale) {
  // The region is the first subtag of two letters after the language.
  static constexpr std::array kLetter = {"BZ", "CA", "CL", "CO", "CR", "GT", "MX",
                                         "NI", "PA", "PH", "PR", "SV", "US", "VE"};
  std::size_t start = locale.find_first_of("_-");
  while (start != std::string_view::npos) {
    const std::size_t end = locale.find_first_of("_-.@", start + 1);
    const std::string_view subtag = locale.substr(start + 1, end - start - 1);
    if (subtag.size() == 2 && std::isalpha(static_cast<unsigned char>(subtag[0])) &&
        std::isalpha(static_cast<unsigned char>(subtag[1]))) {
      const std::string region{static_cast<char>(std::toupper(subtag[0])),
                               static_cast<char>(std::toupper(subtag[1]))};
      return std::find(kLetter.begin(), kLetter.end(), region) != kLetter.end() ? Paper::Letter
                                                                                : Paper::A4;
    }
    if (end == std::string_view::npos || locale[end] == '.' || locale[end] == '@') break;
    start = end;
  }
  return Paper::A4;
}

WorkingDesk::WorkingDesk(Calculator& calculator, const DepartmentStore* store, Paper paper,
                         std::function<std::string()> today)
    : calculator_(calculator), store_(store), paper_(paper), today_(std::move(today)) {}

bool WorkingDesk::enabled(Command command) const {
  return command != Command::ShowWorking || canShowWorking(calculator_.state);
}

void WorkingDesk::command(Command command) {
  if (command == Command::ShowWorking) openWorking();
  if (command == Command::PumpChart) openChart();
}

Shown& WorkingDesk::at(std::string_view name) {
  const auto it = std::find_if(shown_.begin(), shown_.end(),
                               [name](const Shown& shown) { return shown.name == name; });
  return *it;  // every name asked for is one of the open box's rows
}

void WorkingDesk::open(const Dialog& box) {
  box_ = &box;
  shown_.clear();
  chart_.reset();
  for (const Control& row : box.controls) {
    if (row.kind == Kind::Line) continue;
    Shown& shown = shown_.emplace_back();
    shown.name = designName(row);
    shown.text = row.caption;
  }
}

void WorkingDesk::close() {
  if (box_ == &chartBox()) lastLay_ = layShown();
  box_ = nullptr;
  shown_.clear();
  chart_.reset();
}

std::string WorkingDesk::press(std::string_view name) {
  if (box_ == nullptr) return {};
  for (const Control& row : box_->controls) {
    if (row.kind == Kind::Key && row.name == name && row.closesBox) close();
  }
  return {};
}

std::string WorkingDesk::copied() const {
  if (box_ == &chartBox()) return chart_ ? tabSeparated(*chart_) : std::string();
  for (const Shown& shown : shown_) {
    if (shown.name == "txtWorking") return shown.text;
  }
  return {};
}

// ---- The working -------------------------------------------------------------

void WorkingDesk::openWorking() {
  if (!canShowWorking(calculator_.state)) return;
  open(workingBox());
  at("txtWorking").text = joined(working(calculator_.state), "\n");
}

// ---- The pump chart ------------------------------------------------------------

void WorkingDesk::openChart() {
  open(chartBox());
  Shown& lays = at("lstLay");
  lays.items = {"Typed in"};
  if (store_ != nullptr && store_->values()) {
    for (const SavedLine& line : store_->values()->lines) lays.items.push_back(line.name);
  }
  at("lstUnits").items = {"English", "Metric"};
  Shown& hoses = at("lstHose");
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    hoses.items.push_back(hoseName(static_cast<std::int16_t>(row)));
  }
  at("lstPaper").items = {"A4", "Letter"};
  at("lstPaper").selected = paper_ == Paper::Letter ? 1 : 0;

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

void WorkingDesk::showLay(const PumpChartLay& lay) {
  const auto chosen = std::find(at("lstLay").items.begin(), at("lstLay").items.end(), lay.name);
  at("lstLay").selected = lay.name.empty() || chosen == at("lstLay").items.end()
                              ? 0
                              : static_cast<int>(chosen - at("lstLay").items.begin());
  at("lstUnits").selected = lay.metric ? 1 : 0;
  at("lstHose").selected = lay.hose;
  at("txtNozzle").text = lay.nozzlePressure;
  at("txtLines").text = lay.lines;
  at("txtFloors").text = lay.floors;
  at("txtFlows").text = joined(lay.flows, " ");
  at("txtLengths").text = joined(lay.lengths, " ");
  at("lblNozzle").text = lay.metric ? "Nozzle, kPa" : "Nozzle, psi";
  at("lblFlows").text = lay.metric ? "Flows, L/min" : "Flows, gpm";
  at("lblLengths").text = lay.metric ? "Lengths, m" : "Lengths, ft";
}

PumpChartLay WorkingDesk::layShown() {
  PumpChartLay lay;
  const Shown& lays = at("lstLay");
  if (lays.selected > 0) lay.name = lays.items[static_cast<std::size_t>(lays.selected)];
  lay.metric = at("lstUnits").selected == 1;
  lay.hose = static_cast<std::int16_t>(at("lstHose").selected);
  lay.nozzlePressure = at("txtNozzle").text;
  lay.lines = at("txtLines").text;
  lay.floors = at("txtFloors").text;
  lay.flows = valuesOf(at("txtFlows").text);
  lay.lengths = valuesOf(at("txtLengths").text);
  return lay;
}

void WorkingDesk::drawChart() {
  const PumpChartLay lay = layShown();
  const std::string problem = checkLay(lay);
  Shown& grid = at("grdChart");
  grid.items.clear();
  grid.marked.clear();
  grid.columns = 0;
  if (problem.empty()) {
    chart_ = pumpChart(lay, calculator_.state.department, today_());
    at("txtHeading").text = joined(chart_->heading, "\n");
    grid.columns = static_cast<int>(lay.flows.size()) + 1;
    grid.items.push_back(lay.metric ? "m \\ L/min" : "ft \\ gpm");
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
    at("txtHeading").text = problem;
  }
  for (const std::string_view key : {"cmdCopy", "cmdPrint", "cmdSavePdf"}) {
    at(key).enabled = chart_.has_value();
  }
}

void WorkingDesk::edit(std::string_view name, std::string_view text) {
  if (box_ != &chartBox()) return;
  const auto it = std::find_if(shown_.begin(), shown_.end(),
                               [name](const Shown& shown) { return shown.name == name; });
  if (it == shown_.end()) return;
  it->text = std::string(text);
  at("lstLay").selected = 0;  // a changed lay is no longer the saved line
  drawChart();
}

void WorkingDesk::select(std::string_view name, int row) {
  if (box_ != &chartBox()) return;
  const auto it = std::find_if(shown_.begin(), shown_.end(),
                               [name](const Shown& shown) { return shown.name == name; });
  if (it == shown_.end() || row < 0 || row >= static_cast<int>(it->items.size())) return;
  it->selected = row;
  if (name == "lstPaper") {
    paper_ = row == 1 ? Paper::Letter : Paper::A4;
    return;
  }
  if (name == "lstLay" && row > 0 && store_ != nullptr && store_->values()) {
    for (const SavedLine& line : store_->values()->lines) {
      if (line.name == it->items[static_cast<std::size_t>(row)]) showLay(layOf(line));
    }
  } else if (name == "lstUnits") {
    // The other system's defaults: values kept from the old one would be
    // taken in the wrong units.
    PumpChartLay lay = layShown();
    lay.name.clear();
    lay.nozzlePressure = defaultNozzlePressure(lay.metric);
    lay.flows = defaultFlows(lay.metric);
    lay.lengths = defaultLengths(lay.metric);
    showLay(lay);
  } else if (name == "lstHose") {
    at("lstLay").selected = 0;
  }
  drawChart();
}

}  // namespace vardel::panel
