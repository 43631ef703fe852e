#include "panel/lays_desk.h"

#include <algorithm>

#include "calc/hose_table.h"
#include "calc/lay_check.h"
#include "calc/lay_display.h"
#include "calc/lay_figures.h"
#include "calc/lay_result.h"
#include "calc/lay_summary.h"
#include "calc/lay_working.h"
#include "calc/unit_text.h"
#include "core/number_text.h"
#include "department/pump_card.h"
#include "department/rules.h"
#include "panel/card_page.h"
#include "panel/field_text.h"
#include "panel/lay_fields.h"
#include "panel/lays_box.h"
#include "panel/result_mark.h"

namespace vardel::panel {
namespace {

using namespace lays_box;
using namespace lay_fields;

constexpr const char* kNewLay = "New lay";

std::vector<std::string> hoseNames() {
  std::vector<std::string> names;
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    names.push_back(hoseName(static_cast<std::int16_t>(row)));
  }
  return names;
}

// What each choice of the box's lists offers.
std::vector<std::string> choicesOf(std::string_view list, bool metric) {
  if (list == kKind) {
    std::vector<std::string> kinds = {"Line"};
    for (const Appliance a :
         {Appliance::Wye, Appliance::Siamese, Appliance::Standpipe, Appliance::MasterStream}) {
      std::string name = applianceName(a);
      name[0] = static_cast<char>(name[0] - 'a' + 'A');
      kinds.push_back("Supply to a " + name);
    }
    return kinds;
  }
  if (list == kHose || list == kBranchHose) return hoseNames();
  if (list == kNozzle) return {"Fog nozzle", "Smooth-bore tip"};
  return {"floors", std::string(unitNames(metric).length)};  // a rise's unit
}

}  // namespace

LaysDesk::LaysDesk(DepartmentStore& store, Calculator& calculator, Paper paper,
                   std::function<std::string()> today)
    : BoxDesk(laysBox()),
      store_(store),
      calculator_(calculator),
      paper_(paper),
      today_(std::move(today)) {
  lay_.metric = !isEnglish(calculator_.state);
}

void LaysDesk::openBox() {
  open();
  problem_.clear();
  drawSaved();
  draw();
}

std::optional<PrintedPage> LaysDesk::page() const {
  const std::optional<DepartmentValues>& values = store_.values();
  if (!values || (values->lines.empty() && values->lays.empty())) return std::nullopt;
  return cardPage(pumpCard(*values, calculator_.state.department, today_()), paper_);
}

void LaysDesk::drawSaved() {
  Shown& saved = at(kSavedLays);
  saved.items = {kNewLay};
  if (store_.values()) {
    for (const Lay& lay : store_.values()->lays) saved.items.push_back(lay.name);
  }
  const auto it = std::find(saved.items.begin(), saved.items.end(), lay_.name);
  saved.selected =
      lay_.name.empty() || it == saved.items.end() ? 0 : static_cast<int>(it - saved.items.begin());
  at(kLayName).text = lay_.name;
  at(kDeleteLay).enabled = saved.selected > 0;
  const bool card = page().has_value();
  at(kPrintCard).enabled = card;
  at(kSaveCardPdf).enabled = card;
}

// Everything but the saved lays: the discharges, the editor and the result.
void LaysDesk::draw() {
  discharge_ = std::min(discharge_, lay_.discharges.size() - 1);
  const Discharge& d = lay_.discharges[discharge_];
  branch_ = d.branches.empty() ? 0 : std::min(branch_, d.branches.size() - 1);
  at(kUnits).text = std::string(unitNames(lay_.metric).system);
  drawEditor();
  drawResult();
}

void LaysDesk::drawEditor() {
  const Discharge& d = lay_.discharges[discharge_];
  const bool line = d.appliance == Appliance::None;
  const UnitNames& u = unitNames(lay_.metric);
  const std::string name = dischargeName(discharge_);
  at(kDischargeHeading).text =
      "Discharge " + name + (line ? ": a line" : ": the supply to a " + applianceName(d.appliance));
  at(kHoseLabel).text = line ? "Hose" : "Supply";
  for (const std::string_view length : {kLengthLabel, kBranchLengthLabel}) {
    at(length).text = "Length, " + std::string(u.length);
  }
  at(kNozzlePressureLabel).text = "NP, " + std::string(u.pressure);
  const bool tip = nozzleOf(d, branch_).kind == NozzleKind::Tip;
  at(kNozzleFigureLabel).text =
      tip ? "Tip, " + std::string(u.diameter) : "Flow, " + std::string(u.flow);
  at(kNozzleHeading).text =
      line ? "Nozzle of " + name : "Nozzle of branch " + name + std::to_string(branch_ + 1);
  Discharge shown = d;
  for (const NumberField& f : numberFields()) {
    at(f.name).enabled = line ? !f.ofAppliance : true;
    at(f.name).text = line && f.ofAppliance ? "" : formatPlain(*f.figure(shown, branch_));
  }
  for (const ListField& f : listFields()) {
    Shown& list = at(f.name);
    list.items = choicesOf(f.name, lay_.metric);
    list.enabled = line ? !f.ofAppliance : true;
    list.selected = line && f.ofAppliance ? 0 : f.shown(d, branch_);
  }
  Shown& branches = at(kBranch);
  branches.items.clear();
  for (std::size_t i = 0; i < d.branches.size(); ++i) {
    branches.items.push_back("Branch " + name + std::to_string(i + 1));
  }
  branches.selected = line ? -1 : static_cast<int>(branch_);
  for (const std::string_view key : {kBranch, kAddBranch, kRemoveBranch}) at(key).enabled = !line;
}

void LaysDesk::drawResult() {
  const LayFigures figures = layFigures(calculator_.state.department, lay_.metric);
  const LayResult r = layResult(lay_, figures);
  const std::vector<SummaryRow> rows = laySummary(lay_, r);
  Shown& discharges = at(kDischarges);
  discharges.items.clear();
  for (const SummaryRow& row : rows) {
    if (row.label.size() == 1) discharges.items.push_back(row.label + ": " + row.description);
  }
  discharges.selected = static_cast<int>(discharge_);
  std::string text;
  if (!problem_.empty()) {
    text = problem_ + "\nThe lay stays as it was:\n";
  }
  const std::string mark =
      markOf(r.departmentUsed, figures.departmentName, r.overLimit, r.overCapacity).spoken;
  text += "Pump pressure " + r.text + (mark.empty() ? "" : ", " + mark);
  for (const std::string& line : summaryLines(rows)) text += "\n" + line;
  at(kResult).text = text;
}

template <typename Edit>
std::string LaysDesk::change(Edit&& edit) {
  std::string problem = editLay(lay_, std::forward<Edit>(edit));
  problem_.clear();
  draw();
  return problem;
}

void LaysDesk::edited(std::string_view name) {
  if (name == kLayName) return;
  for (const NumberField& f : numberFields()) {
    if (f.name != name) continue;
    const std::string_view text = trimmed(at(name).text);
    const std::optional<double> value = text.empty() ? std::optional<double>() : readStrict(text);
    Lay edited = lay_;
    if (value) *f.figure(edited.discharges[discharge_], branch_) = *value;
    problem_ = !value ? std::string(f.what) + " is not a number." : checkLay(edited);
    if (problem_.empty()) lay_ = std::move(edited);
    drawResult();
    return;
  }
}

void LaysDesk::selected(std::string_view name, int row) {
  if (name == kSavedLays) {
    if (row > 0 && store_.values()) {
      lay_ = store_.values()->lays[static_cast<std::size_t>(row - 1)];
    } else {
      lay_ = Lay{"", !isEnglish(calculator_.state)};
    }
    discharge_ = branch_ = 0;
    problem_.clear();
    drawSaved();
    draw();
    return;
  }
  if (name == kDischarges || name == kBranch) {
    (name == kDischarges ? discharge_ : branch_) = static_cast<std::size_t>(std::max(row, 0));
    if (name == kDischarges) branch_ = 0;
    problem_.clear();
    draw();
    return;
  }
  for (const ListField& f : listFields()) {
    if (f.name == name) {
      change([&](Lay& l) { f.choose(l.discharges[discharge_], branch_, row); });
    }
  }
}

std::string LaysDesk::pressed(std::string_view key) {
  Discharge& d = lay_.discharges[discharge_];
  if (key == kAddDischarge) {
    std::string problem = change([](Lay& l) { l.discharges.emplace_back(); });
    if (problem.empty()) discharge_ = lay_.discharges.size() - 1;
    draw();
    return problem;
  }
  if (key == kRemoveDischarge) {
    return change([this](Lay& l) { l.discharges.erase(l.discharges.begin() + discharge_); });
  }
  if (key == kAddBranch) {
    std::string problem = change(
        [this, &d](Lay& l) { l.discharges[discharge_].branches.push_back(d.branches.back()); });
    if (problem.empty()) branch_ = lay_.discharges[discharge_].branches.size() - 1;
    draw();
    return problem;
  }
  if (key == kRemoveBranch) {
    return change([this](Lay& l) {
      auto& branches = l.discharges[discharge_].branches;
      branches.erase(branches.begin() + static_cast<std::ptrdiff_t>(branch_));
    });
  }
  if (key == kShow) return show();
  if (key == kSaveLay) return save();
  if (key == kDeleteLay) return deleteLay();
  return {};
}

std::string LaysDesk::show() {
  if (!problem_.empty()) return problem_;
  if (std::string problem = showLay(calculator_, lay_); !problem.empty()) return problem;
  close();
  return {};
}

std::string LaysDesk::save() {
  if (!problem_.empty()) return problem_;
  Lay named = lay_;
  named.name = std::string(trimmed(at(kLayName).text));
  if (std::string problem = checkName(named.name, "The name of the lay"); !problem.empty()) {
    return problem;
  }
  std::string problem = store_.change(calculator_, [&named](DepartmentValues& values) {
    const auto same = std::find_if(values.lays.begin(), values.lays.end(),
                                   [&named](const Lay& l) { return l.name == named.name; });
    if (same != values.lays.end()) {
      *same = named;
    } else {
      values.lays.push_back(named);
    }
    return std::string();
  });
  if (problem.empty()) {
    lay_ = named;
    drawSaved();
  }
  return problem;
}

std::string LaysDesk::deleteLay() {
  const Shown& saved = at(kSavedLays);
  if (saved.selected <= 0) return {};
  const std::string name = saved.items[static_cast<std::size_t>(saved.selected)];
  std::string problem = store_.change(calculator_, [&name](DepartmentValues& values) {
    std::erase_if(values.lays, [&name](const Lay& l) { return l.name == name; });
    return std::string();
  });
  if (problem.empty()) {
    lay_.name.clear();
    drawSaved();
  }
  return problem;
}

}  // namespace vardel::panel
