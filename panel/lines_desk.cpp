#include "panel/lines_desk.h"

#include <algorithm>

#include "calc/unit_text.h"
#include "department/saved_lines.h"
#include "panel/field_text.h"
#include "panel/lines_box.h"

namespace vardel::panel {

using namespace lines_box;

LinesDesk::LinesDesk(DepartmentStore& store, Calculator& calculator)
    : BoxDesk(linesBox()), store_(store), calculator_(calculator) {}

void LinesDesk::openWith(const std::string& chosen) {
  open();
  Shown& list = at(kLines);
  if (store_.values()) {
    for (const SavedLine& line : store_.values()->lines) list.items.push_back(line.name);
  }
  const auto it = std::find(list.items.begin(), list.items.end(), chosen);
  select(kLines, it == list.items.end() ? -1 : static_cast<int>(it - list.items.begin()));
}

void LinesDesk::selected(std::string_view name, int row) {
  if (name != kLines) return;
  at(kLineName).text = row >= 0 ? at(kLines).items[static_cast<std::size_t>(row)] : "";
  drawLines();
}

const SavedLine* LinesDesk::chosenLine() const {
  const Shown& list = at(kLines);
  if (list.selected < 0 || !store_.values()) return nullptr;
  const std::string& name = list.items[static_cast<std::size_t>(list.selected)];
  for (const SavedLine& line : store_.values()->lines) {
    if (line.name == name) return &line;
  }
  return nullptr;
}

void LinesDesk::drawLines() {
  const SavedLine* line = chosenLine();
  at(kLine).text = line != nullptr ? describeLine(*line) + "; keyed in " +
                                         std::string(unitNames(line->metric).system) + "."
                   : at(kLines).items.empty() ? "No line is saved yet."
                                              : "Choose a line to recall or delete.";
  at(kRecall).enabled = line != nullptr;
  at(kDelete).enabled = line != nullptr;
  const bool result = lineOfResult(calculator_.state, {}).has_value();
  at(kSaveResult).text =
      result ? "The display shows the engine pressure " + calculator_.state.text1 +
                   ". Save it under this name:"
             : "The display shows no engine pressure result to save. Key one, or recall a line "
               "and walk it with F2, then save it here.";
  at(kSaveLine).enabled = result;
}

std::string LinesDesk::activated(std::string_view name) {
  return name == kLines ? recall() : std::string();
}

std::string LinesDesk::pressed(std::string_view key) {
  if (key == kRecall) return recall();
  if (key == kDelete) return deleteLine();
  if (key == kSaveLine) return saveLine();
  return {};
}

std::string LinesDesk::saveLine() {
  const std::string name(trimmed(at(kLineName).text));
  const std::optional<SavedLine> line = lineOfResult(calculator_.state, name);
  if (!line) return "The display shows no engine pressure result to save.";
  std::string problem = store_.change(calculator_, [&line](DepartmentValues& values) {
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
  if (problem.empty()) openWith(name);
  return problem;
}

std::string LinesDesk::deleteLine() {
  const Shown& list = at(kLines);
  if (list.selected < 0) return {};
  const std::string name = list.items[static_cast<std::size_t>(list.selected)];
  const int row = list.selected;
  std::string problem = store_.change(calculator_, [&name](DepartmentValues& values) {
    std::erase_if(values.lines, [&name](const SavedLine& l) { return l.name == name; });
    return std::string();
  });
  if (!problem.empty()) return problem;
  if (recalled_ == name) recalled_.clear();
  openWith({});
  const int left = static_cast<int>(at(kLines).items.size());
  select(kLines, std::min(row, left - 1));
  return {};
}

std::string LinesDesk::recall() {
  const SavedLine* line = chosenLine();
  if (line == nullptr) return {};
  const SavedLine recalled = *line;  // the store may read its file again meanwhile
  close();
  recalled_ = recalled.name;
  recallLine(calculator_, recalled);
  return {};
}

}  // namespace vardel::panel
