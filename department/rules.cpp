#include "department/rules.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "calc/hose_table.h"
#include "calc/unit_text.h"
#include "core/number_text.h"
#include "department/saved_lines.h"

namespace vardel {
namespace {

std::string checkWithin(const double (&limits)[2], bool metric, double value, std::string what) {
  if (std::isfinite(value) && value >= limits[0] && value <= limits[1]) return {};
  return what + " must lie " + rangeText(limits, unitNames(metric).pressure) + ".";
}

std::size_t codePoints(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::string rangeText(const double (&limits)[2], std::string_view unit) {
  return "between " + formatPlain(limits[0]) + " and " + formatPlain(limits[1]) + " " +
         std::string(unit);
}

std::string checkCoefficient(std::int16_t hose, bool metric, double value) {
  if (!isHoseRow(hose)) return "There is no such hose key.";
  const Hose& h = kHoses[static_cast<std::size_t>(hose)];
  const double published = metric ? h.metricCoefficient : h.englishCoefficient;
  const double low = published / bounds::kCoefficientFactor;
  const double high = published * bounds::kCoefficientFactor;
  if (std::isfinite(value) && value >= low && value <= high) return {};
  return "The coefficient of the " + hoseName(hose) + " hose must lie between " + formatPlain(low) +
         " and " + formatPlain(high) + " (" + std::string(unitNames(metric).pressure) +
         "), one fifth to five times the published " + formatPlain(published) +
         ": no real hose of that size lies outside.";
}

std::string checkPerFloor(bool metric, double value) {
  return checkWithin(metric ? bounds::kPerFloorMetric : bounds::kPerFloorEnglish, metric, value,
                     "The elevation pressure per floor");
}

std::string checkPumpLimit(bool metric, double value) {
  return checkWithin(metric ? bounds::kPumpLimitMetric : bounds::kPumpLimitEnglish, metric, value,
                     "The pump pressure limit");
}

std::string checkPracticeTolerance(bool metric, double value) {
  return checkWithin(metric ? bounds::kPracticeToleranceMetric : bounds::kPracticeToleranceEnglish,
                     metric, value, "The tolerance of a practice answer");
}

std::string checkName(std::string_view name, std::string_view what) {
  const std::string label(what);
  if (name.find_first_not_of(' ') == std::string_view::npos) return label + " is empty.";
  if (codePoints(name) > bounds::kNameLength) {
    return label + " is longer than " + std::to_string(bounds::kNameLength) + " characters.";
  }
  if (std::any_of(name.begin(), name.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; })) {
    return label + " holds a control character.";
  }
  return {};
}

std::string checkValues(const DepartmentValues& values) {
  if (std::string p = checkName(values.name, "The department's name"); !p.empty()) return p;
  for (std::size_t row = 0; row < values.hoses.size(); ++row) {
    for (const bool metric : {false, true}) {
      if (const std::optional<double> c = values.hoses[row].in(metric)) {
        if (std::string p = checkCoefficient(static_cast<std::int16_t>(row), metric, *c);
            !p.empty()) {
          return p;
        }
      }
    }
  }
  for (const bool metric : {false, true}) {
    if (const std::optional<double> f = values.perFloor.in(metric)) {
      if (std::string p = checkPerFloor(metric, *f); !p.empty()) return p;
    }
    if (const std::optional<double> l = values.pumpLimit.in(metric)) {
      if (std::string p = checkPumpLimit(metric, *l); !p.empty()) return p;
    }
    if (const std::optional<double> t = values.practiceTolerance.in(metric)) {
      if (std::string p = checkPracticeTolerance(metric, *t); !p.empty()) return p;
    }
  }
  if (values.lines.size() > bounds::kMostLines) {
    return "There are more than " + std::to_string(bounds::kMostLines) + " saved lines.";
  }
  std::set<std::string> names;
  for (const SavedLine& line : values.lines) {
    if (std::string p = checkName(line.name, "The name of a saved line"); !p.empty()) return p;
    if (!names.insert(line.name).second) return "Two saved lines are named " + line.name + ".";
    if (std::string p = checkLine(line, values); !p.empty()) return p;
  }
  return {};
}

}  // namespace vardel
