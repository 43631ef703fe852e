#include "panel/department_desk.h"

#include <algorithm>
#include <cmath>

#include "calc/figures.h"
#include "calc/hose_table.h"
#include "core/number_text.h"
#include "department/conversion.h"
#include "department/flow_test.h"
#include "department/saved_lines.h"
#include "panel/department_boxes.h"

namespace vardel::panel {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A figure as a field shows it: five significant digits, enough for any
// coefficient or pressure a hose test can tell apart.
std::string fieldText(double value) {
  if (value == 0 || !std::isfinite(value)) return formatPlain(value);
  const double scale = std::pow(10.0, 4 - std::floor(std::log10(std::fabs(value))));
  return formatPlain(std::round(value * scale) / scale);
}

std::string optionalText(const std::optional<double>& value) {
  return value ? formatPlain(*value) : std::string();
}

// The fields that come in pairs, one per unit system: the partner of a
// field, and whether the pair converts as a coefficient or as a pressure.
struct Partner {
  std::string name;
  bool toMetric = false;
  bool coefficient = false;
};

std::optional<Partner> partnerOf(std::string_view name) {
  for (int row = 0; row < static_cast<int>(kHoses.size()); ++row) {
    if (name == englishField(row)) return Partner{metricField(row), true, true};
    if (name == metricField(row)) return Partner{englishField(row), false, true};
  }
  for (const std::string_view pair : {"txtPerFloor", "txtPumpLimit"}) {
    const std::string english = std::string(pair) + "English";
    const std::string metric = std::string(pair) + "Metric";
    if (name == english) return Partner{metric, true, false};
    if (name == metric) return Partner{english, false, false};
  }
  return std::nullopt;
}

// "100 psi at the nozzle, 150 gpm through 1 line of 200 ft of 1 3/4" hose,
// 0 floors; keyed in English units"
std::string describe(const SavedLine& line) {
  const bool m = line.metric;
  return line.nozzlePressure + (m ? " kPa" : " psi") + " at the nozzle, " + line.flow +
         (m ? " L/min" : " gpm") + " through " + line.lines +
         (line.lines == "1" ? " line of " : " lines of ") + line.length + (m ? " m" : " ft") +
         " of " + hoseName(line.hose) + " hose, " + line.floors + " floors; keyed in " +
         (m ? "metric" : "English") + " units.";
}

}  // namespace

DepartmentDesk::DepartmentDesk(DepartmentStore& store, Calculator& calculator)
    : store_(store), calculator_(calculator) {}

std::string DepartmentDesk::start() {
  std::string problem = store_.load();
  store_.applyTo(calculator_);
  return problem;
}

void DepartmentDesk::reload() {
  store_.load();
  store_.applyTo(calculator_);
}

bool DepartmentDesk::enabled(Command command) const {
  // Nothing to export or switch to before any value is saved.
  if (command == Command::Export || command == Command::PublishedValues) {
    return store_.values().has_value();
  }
  return true;
}

bool DepartmentDesk::checked(Command command) const {
  return command == Command::PublishedValues && store_.inForce() == nullptr;
}

std::string DepartmentDesk::command(Command command) {
  switch (command) {
    case Command::DepartmentValues:
      openValues();
      return {};
    case Command::SavedLines:
      openLines(recalled_);
      return {};
    case Command::PublishedValues: {
      if (!store_.values()) return "No department values are kept on this device yet.";
      // What the user saw checked decides, whatever another window did since.
      const bool toPublished = store_.inForce() != nullptr;
      return change([toPublished](DepartmentValues& values) {
        values.inForce = !toPublished;
        return std::string();
      });
    }
    default:
      return {};
  }
}

std::string DepartmentDesk::import(std::string_view text) {
  DepartmentStore::Preview preview = store_.previewImport(std::string(text));
  if (!preview.values) return preview.problem;
  importing_ = std::move(preview.values);
  open(importBox());
  const std::string named = "Importing \"" + importing_->name + "\" ";
  find("lblImport")->text =
      preview.changes.empty() ? named + "changes nothing here." : named + "makes these changes:";
  find("lstChanges")->items = std::move(preview.changes);
  return {};
}

Shown* DepartmentDesk::find(std::string_view name) {
  const auto it = std::find_if(shown_.begin(), shown_.end(),
                               [name](const Shown& shown) { return shown.name == name; });
  return it == shown_.end() ? nullptr : &*it;
}

const Shown& DepartmentDesk::at(std::string_view name) const {
  static const Shown none;
  const auto it = std::find_if(shown_.begin(), shown_.end(),
                               [name](const Shown& shown) { return shown.name == name; });
  return it == shown_.end() ? none : *it;
}

void DepartmentDesk::open(const Dialog& box) {
  box_ = &box;
  shown_.clear();
  typed_.clear();
  for (const Control& row : box.controls) {
    if (row.kind == Kind::Field || row.kind == Kind::List || row.kind == Kind::Key ||
        row.kind == Kind::Label) {
      Shown& shown = shown_.emplace_back();
      shown.name = designName(row);
      shown.text = row.caption;
    }
  }
}

void DepartmentDesk::close() {
  box_ = nullptr;
  shown_.clear();
  typed_.clear();
  importing_.reset();
}

// ---- The values box ----------------------------------------------------------

void DepartmentDesk::openValues() {
  open(valuesBox());
  const DepartmentValues* values = store_.values() ? &*store_.values() : nullptr;
  find("txtName")->text = values ? values->name : "Department";
  for (int row = 0; row < static_cast<int>(kHoses.size()); ++row) {
    const Hose& hose = kHoses[static_cast<std::size_t>(row)];
    Shown& english = *find(englishField(row));
    Shown& metric = *find(metricField(row));
    english.placeholder = formatPlain(hose.englishCoefficient);
    metric.placeholder = formatPlain(hose.metricCoefficient);
    if (values) {
      english.text = optionalText(values->hoses[static_cast<std::size_t>(row)].english);
      metric.text = optionalText(values->hoses[static_cast<std::size_t>(row)].metric);
    }
  }
  // The published figures, as the calculations use them without a department.
  CalculatorState published;
  find("txtPerFloorEnglish")->placeholder = formatPlain(perFloor(published).value);
  published.strEorM = kMetricUnits;
  find("txtPerFloorMetric")->placeholder = formatPlain(perFloor(published).value);
  find("txtPumpLimitEnglish")->placeholder = "none";
  find("txtPumpLimitMetric")->placeholder = "none";
  if (values) {
    find("txtPerFloorEnglish")->text = optionalText(values->perFloor.english);
    find("txtPerFloorMetric")->text = optionalText(values->perFloor.metric);
    find("txtPumpLimitEnglish")->text = optionalText(values->pumpLimit.english);
    find("txtPumpLimitMetric")->text = optionalText(values->pumpLimit.metric);
  }

  Shown& hoses = *find("lstTestHose");
  for (int row = 0; row < static_cast<int>(kHoses.size()); ++row) {
    hoses.items.push_back(hoseName(static_cast<std::int16_t>(row)));
  }
  const std::int16_t chosen = calculator_.state.selectedHose;
  hoses.selected = chosen >= 0 ? chosen : 4;  // 1 3/4", the usual attack line
  Shown& units = *find("lstTestUnits");
  units.items = {"English", "Metric"};
  units.selected = isEnglish(calculator_.state) ? 0 : 1;
  find("txtTestLines")->placeholder = "1";
  find("txtTestRise")->placeholder = "0";
  drawTestUnits();
}

void DepartmentDesk::drawTestUnits() {
  const bool metric = at("lstTestUnits").selected == 1;
  const std::string pressure = metric ? ", kPa" : ", psi";
  const std::string length = metric ? ", m" : ", ft";
  find("lblTestFlow")->text = std::string("Flow") + (metric ? ", L/min" : ", gpm");
  find("lblTestLength")->text = "Length" + length;
  find("lblTestStart")->text = "Pressure at the pump" + pressure;
  find("lblTestEnd")->text = "Pressure at the far end" + pressure;
  find("lblTestRise")->text = "Rise of the far end" + length;
}

void DepartmentDesk::setPair(std::string_view name, std::string text) {
  Shown* shown = find(name);
  if (shown == nullptr) return;
  shown->text = std::move(text);
  const std::optional<Partner> partner = partnerOf(name);
  if (!partner || typed_.contains(partner->name)) return;
  const std::optional<double> value = readStrict(shown->text);
  std::string follows;
  if (value && std::isfinite(*value)) {
    follows = fieldText(partner->coefficient ? conversion::coefficient(*value, partner->toMetric)
                                             : conversion::pressure(*value, partner->toMetric));
  }
  find(partner->name)->text = follows;
}

void DepartmentDesk::edit(std::string_view name, std::string_view text) {
  if (find(name) == nullptr) return;
  typed_.insert(std::string(name));
  setPair(name, std::string(text));
}

void DepartmentDesk::select(std::string_view name, int row) {
  Shown* list = find(name);
  if (list == nullptr || row < -1 || row >= static_cast<int>(list->items.size())) return;
  list->selected = row;
  if (name == "lstTestUnits") drawTestUnits();
  if (name == "lstLines") {
    find("txtLineName")->text = row >= 0 ? list->items[static_cast<std::size_t>(row)] : "";
    drawLines();
  }
}

std::string DepartmentDesk::workOut() {
  FlowTest test{.metric = at("lstTestUnits").selected == 1};
  const auto number = [this](std::string_view name, std::string_view what, double& out,
                             std::optional<double> blank) -> std::string {
    const std::string_view text = trimmed(at(name).text);
    const std::optional<double> value = text.empty() ? blank : readStrict(text);
    if (!value) {
      return text.empty() ? "Key the " + std::string(what) + " of the flow test."
                          : "The " + std::string(what) + " of the flow test is not a number.";
    }
    out = *value;
    return {};
  };
  for (const std::string& problem :
       {number("txtTestFlow", "flow", test.flow, std::nullopt),
        number("txtTestLines", "number of lines", test.lines, 1.0),
        number("txtTestLength", "length", test.length, std::nullopt),
        number("txtTestStart", "pressure at the pump", test.startPressure, std::nullopt),
        number("txtTestEnd", "pressure at the far end", test.endPressure, std::nullopt),
        number("txtTestRise", "rise of the far end", test.rise, 0.0)}) {
    if (!problem.empty()) return problem;
  }
  const auto hose = static_cast<std::int16_t>(at("lstTestHose").selected);
  const FlowTestResult result = workOutCoefficient(test, hose);
  if (!result.problem.empty()) return result.problem;
  const std::string coefficient = fieldText(result.coefficient);
  find("lblTestResult")->text = "Loss " + fieldText(result.loss) + (test.metric ? " kPa" : " psi") +
                                ", coefficient " + coefficient + " for " + hoseName(hose) +
                                (test.metric ? ", metric." : ", English.");
  edit(test.metric ? metricField(hose) : englishField(hose), coefficient);
  return {};
}

std::string DepartmentDesk::saveValues() {
  // Every field read before anything is written: one that is not a number
  // refuses the whole save.
  const auto pair = [this](const std::string& english, const std::string& metric,
                           const std::string& what, bool coefficient, UnitPair& out) {
    const std::string_view texts[] = {trimmed(at(english).text), trimmed(at(metric).text)};
    out = {};
    for (int m = 0; m < 2; ++m) {
      if (texts[m].empty()) continue;
      const std::optional<double> value = readStrict(texts[m]);
      if (!value) {
        return what + (m == 0 ? " in English units" : " in metric units") + " is not a number.";
      }
      (m == 0 ? out.english : out.metric) = *value;
    }
    // The file keeps both systems or neither: a figure keyed in one system
    // is taken in the other by the exact conversion.
    const auto convert = [coefficient](double value, bool toMetric) {
      return coefficient ? conversion::coefficient(value, toMetric)
                         : conversion::pressure(value, toMetric);
    };
    if (out.english && !out.metric) out.metric = convert(*out.english, true);
    if (out.metric && !out.english) out.english = convert(*out.metric, false);
    return std::string();
  };
  DepartmentValues read;
  read.name = std::string(trimmed(at("txtName").text));
  for (int row = 0; row < static_cast<int>(kHoses.size()); ++row) {
    const std::string what =
        "The coefficient of the " + hoseName(static_cast<std::int16_t>(row)) + " hose";
    if (std::string problem = pair(englishField(row), metricField(row), what, true,
                                   read.hoses[static_cast<std::size_t>(row)]);
        !problem.empty()) {
      return problem;
    }
  }
  if (std::string problem = pair("txtPerFloorEnglish", "txtPerFloorMetric",
                                 "The elevation pressure per floor", false, read.perFloor);
      !problem.empty()) {
    return problem;
  }
  if (std::string problem = pair("txtPumpLimitEnglish", "txtPumpLimitMetric",
                                 "The pump pressure limit", false, read.pumpLimit);
      !problem.empty()) {
    return problem;
  }
  std::string problem = change([&read](DepartmentValues& values) {
    values.name = read.name;
    values.hoses = read.hoses;
    values.perFloor = read.perFloor;
    values.pumpLimit = read.pumpLimit;
    return std::string();
  });
  if (problem.empty()) close();
  return problem;
}

// ---- The saved lines box -------------------------------------------------------

void DepartmentDesk::openLines(const std::string& chosen) {
  open(linesBox());
  Shown& list = *find("lstLines");
  if (store_.values()) {
    for (const SavedLine& line : store_.values()->lines) list.items.push_back(line.name);
  }
  const auto it = std::find(list.items.begin(), list.items.end(), chosen);
  select("lstLines", it == list.items.end() ? -1 : static_cast<int>(it - list.items.begin()));
}

void DepartmentDesk::drawLines() {
  const Shown& list = at("lstLines");
  const bool chosen = list.selected >= 0;
  const SavedLine* line = nullptr;
  if (chosen && store_.values()) {
    for (const SavedLine& each : store_.values()->lines) {
      if (each.name == list.items[static_cast<std::size_t>(list.selected)]) line = &each;
    }
  }
  find("lblLine")->text = line                 ? describe(*line)
                          : list.items.empty() ? "No line is saved yet."
                                               : "Choose a line to recall or delete.";
  find("cmdRecall")->enabled = line != nullptr;
  find("cmdDelete")->enabled = line != nullptr;
  const bool result = lineOfResult(calculator_.state, {}).has_value();
  find("lblSaveResult")->text =
      result ? "The display shows the engine pressure " + calculator_.state.text1 +
                   ". Save it under this name:"
             : "The display shows no engine pressure result to save. Key one, or recall a line "
               "and walk it with F2, then save it here.";
  find("cmdSaveLine")->enabled = result;
}

std::string DepartmentDesk::saveLine() {
  const std::string name(trimmed(at("txtLineName").text));
  const std::optional<SavedLine> line = lineOfResult(calculator_.state, name);
  if (!line) return "The display shows no engine pressure result to save.";
  std::string problem = change([&line](DepartmentValues& values) {
    const auto same = std::find_if(values.lines.begin(), values.lines.end(),
                                   [&line](const SavedLine& l) { return l.name == line->name; });
    // A line of the same name is replaced: a walk with F2 saved back.
    if (same != values.lines.end()) {
      *same = *line;
    } else {
      values.lines.push_back(*line);
    }
    return std::string();
  });
  if (problem.empty()) openLines(name);
  return problem;
}

std::string DepartmentDesk::deleteLine() {
  const Shown& list = at("lstLines");
  if (list.selected < 0) return {};
  const std::string name = list.items[static_cast<std::size_t>(list.selected)];
  const int row = list.selected;
  std::string problem = change([&name](DepartmentValues& values) {
    std::erase_if(values.lines, [&name](const SavedLine& l) { return l.name == name; });
    return std::string();
  });
  if (!problem.empty()) return problem;
  if (recalled_ == name) recalled_.clear();
  openLines({});
  const int left = static_cast<int>(at("lstLines").items.size());
  select("lstLines", std::min(row, left - 1));
  return {};
}

std::string DepartmentDesk::recall() {
  const Shown& list = at("lstLines");
  if (list.selected < 0 || !store_.values()) return {};
  const std::string name = list.items[static_cast<std::size_t>(list.selected)];
  for (const SavedLine& line : store_.values()->lines) {
    if (line.name != name) continue;
    const SavedLine recalled = line;  // the store may read its file again meanwhile
    close();
    recalled_ = name;
    recallLine(calculator_, recalled);
    return {};
  }
  return {};
}

// ---- Keys, import and changes --------------------------------------------------

std::string DepartmentDesk::activate(std::string_view name) {
  return box_ == &linesBox() && name == "lstLines" ? recall() : std::string();
}

std::string DepartmentDesk::press(std::string_view name) {
  if (box_ == nullptr) return {};
  for (const Control& row : box_->controls) {
    if (row.kind == Kind::Key && row.name == name && row.closesBox) {
      close();
      return {};
    }
  }
  const Shown* key = find(name);
  if (key == nullptr || !key->enabled) return {};
  if (box_ == &valuesBox()) {
    if (name == "cmdWorkOut") return workOut();
    if (name == "cmdSave") return saveValues();
  } else if (box_ == &linesBox()) {
    if (name == "cmdRecall") return recall();
    if (name == "cmdDelete") return deleteLine();
    if (name == "cmdSaveLine") return saveLine();
  } else if (box_ == &importBox() && name == "cmdApply") {
    return applyImport();
  }
  return {};
}

std::string DepartmentDesk::applyImport() {
  if (!importing_) return {};
  std::string problem = store_.takeImport(*importing_);
  store_.applyTo(calculator_);
  if (problem.empty()) close();
  return problem;
}

std::string DepartmentDesk::change(const std::function<std::string(DepartmentValues&)>& edit) {
  std::string problem = store_.change(edit);
  store_.applyTo(calculator_);
  return problem;
}

}  // namespace vardel::panel
