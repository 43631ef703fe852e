#include "department/saved_lines.h"

#include <array>
#include <string_view>

#include "calc/enter_sequence.h"
#include "calc/hose_table.h"
#include "calc/keying.h"
#include "calc/press.h"
#include "calc/sequences.h"
#include "calc/unit_text.h"

namespace vardel {
namespace {

// The inputs of a line in the order ENGINE PRESSURE asks for them; the hose
// is the third.
std::array<const std::string*, 6> inputsOf(const SavedLine& line) {
  return {&line.nozzlePressure, &line.flow, nullptr, &line.lines, &line.length, &line.floors};
}

}  // namespace

bool isKeyable(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  if (text.empty() || text.size() > 24) return false;
  int points = 0, digits = 0;
  for (const char c : text) {
    if (c == '.') {
      ++points;
    } else if (c >= '0' && c <= '9') {
      ++digits;
    } else {
      return false;
    }
  }
  return points <= 1 && digits > 0;
}

void recallLine(Calculator& calculator, const SavedLine& line) {
  if (line.metric == isEnglish(calculator.state)) press(calculator, Key{KeyKind::EnglishMetric});
  press(calculator, Key{KeyKind::EnginePressure});
  for (const std::string* value : inputsOf(line)) {
    if (calculator.display() == kErrorText) return;  // where a user keying it would stop
    if (value == nullptr) {
      press(calculator, Key{KeyKind::Hose, line.hose});
    } else {
      keyNumber(calculator, *value);
    }
    press(calculator, Key{KeyKind::Enter});
  }
}

CalculatorState recalledOnItsOwn(const SavedLine& line, const DepartmentValues* department) {
  return keyedOnItsOwn(department, [&line](Calculator& c) { recallLine(c, line); });
}

std::string checkLine(const SavedLine& line, const DepartmentValues& values) {
  const std::string named = "The line " + line.name + " ";
  if (!isHoseRow(line.hose)) return named + "names no hose key.";
  for (const std::string* value : inputsOf(line)) {
    if (value != nullptr && !isKeyable(*value)) {
      return named + "holds \"" + *value + "\", which is not a number as the keypad keys it.";
    }
  }
  if (recalledOnItsOwn(line, values.inForce ? &values : nullptr).text1 == kErrorText) {
    return named + "ends in ERROR when it is recalled.";
  }
  return {};
}

std::optional<SavedLine> lineOfResult(const CalculatorState& state, const std::string& name) {
  if (state.bolEnginePressure == 0 || !canReview(state)) return std::nullopt;
  const std::array<std::string, 6>& in = state.working.inputTexts;
  return SavedLine{.name = name,
                   .metric = state.working.resultInMetric,
                   .nozzlePressure = in[0],
                   .flow = in[1],
                   .hose = state.working.hoseTaken,
                   .lines = in[3],
                   .length = in[4],
                   .floors = in[5]};
}

std::string describeLine(const SavedLine& line) {
  const UnitNames& u = unitNames(line.metric);
  return line.nozzlePressure + " " + std::string(u.pressure) + " at the nozzle, " + line.flow +
         " " + std::string(u.flow) + " through " + line.lines +
         (line.lines == "1" ? " line of " : " lines of ") + line.length + " " +
         std::string(u.length) + " of " + hoseName(line.hose) + " hose, " + line.floors + " floors";
}

}  // namespace vardel
