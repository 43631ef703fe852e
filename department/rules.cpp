#include "department/rules.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "calc/hose_table.h"
#include "calc/lay_check.h"
#include "calc/unit_text.h"
#include "core/number_text.h"
#include "department/saved_lines.h"

namespace vardel {
namespace {

// The bounds' reasons are given in docs/department-file.md.
// clang-format off
constexpr FigureRule kRules[] = {
    {&DepartmentValues::perFloor, "Elevation per floor", "The elevation pressure per floor",
     Quantity::Pressure, {2, 10}, {14, 69}},
    {&DepartmentValues::pumpLimit, "Pump pressure limit", "The pump pressure limit",
     Quantity::Pressure, {50, 600}, {350, 4150}},
    {&DepartmentValues::wyeFrom, "Wye loss from", "The flow from which a wye loses pressure",
     Quantity::Flow, {100, 2000}, {375, 7600}},
    {&DepartmentValues::wyeLoss, "Wye loss", "The loss in a wye, siamese or manifold",
     Quantity::Pressure, {0, 50}, {0, 345}},
    {&DepartmentValues::standpipeLoss, "Standpipe loss", "The loss in a standpipe system",
     Quantity::Pressure, {0, 100}, {0, 690}},
    {&DepartmentValues::masterStreamLoss, "Master-stream loss",
     "The loss in a master-stream device", Quantity::Pressure, {0, 100}, {0, 690}},
    {&DepartmentValues::ratedFlow, "Rated flow", "The pump's rated flow",
     Quantity::Flow, {250, 5000}, {940, 19000}},
    {&DepartmentValues::intake, "Intake pressure", "The pressure at the pump's intake",
     Quantity::Pressure, {0, 200}, {0, 1380}},
    {&DepartmentValues::practiceTolerance, "Practice tolerance",
     "The tolerance of a practice answer", Quantity::Pressure, {1, 25}, {7, 170}},
};
// clang-format on

std::string checkLays(const DepartmentValues& values) {
  if (values.lays.size() > bounds::kMostLays) {
    return "There are more than " + std::to_string(bounds::kMostLays) + " saved lays.";
  }
  std::set<std::string> names;
  for (const Lay& lay : values.lays) {
    if (std::string p = checkName(lay.name, "The name of a saved lay"); !p.empty()) return p;
    if (!names.insert(lay.name).second) return "Two saved lays are named " + lay.name + ".";
    if (std::string p = checkLay(lay); !p.empty()) return "The lay " + lay.name + ": " + p;
  }
  return {};
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

std::span<const FigureRule> figureRules() { return kRules; }

const FigureRule& ruleOf(UnitPair DepartmentValues::*figure) {
  for (const FigureRule& rule : kRules) {
    if (rule.figure == figure) return rule;
  }
  return kRules[0];
}

std::string checkFigure(const FigureRule& rule, bool metric, double value) {
  const double(&limits)[2] = metric ? rule.metric : rule.english;
  if (std::isfinite(value) && value >= limits[0] && value <= limits[1]) return {};
  const UnitNames& u = unitNames(metric);
  return std::string(rule.what) + " must lie " +
         rangeText(limits, rule.quantity == Quantity::Flow ? u.flow : u.pressure) + ".";
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
  for (const FigureRule& rule : kRules) {
    for (const bool metric : {false, true}) {
      if (const std::optional<double> f = (values.*rule.figure).in(metric)) {
        if (std::string p = checkFigure(rule, metric, *f); !p.empty()) return p;
      }
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
  return checkLays(values);
}

bool isDay(std::string_view text) {
  if (text.size() != 10) return false;
  int parts[3] = {0, 0, 0};
  for (std::size_t i = 0, part = 0; i < text.size(); ++i) {
    if (i == 4 || i == 7) {
      if (text[i] != '-') return false;
      ++part;
    } else if (text[i] >= '0' && text[i] <= '9') {
      parts[part] = parts[part] * 10 + (text[i] - '0');
    } else {
      return false;
    }
  }
  const int year = parts[0], month = parts[1], day = parts[2];
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1) return false;
  return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace vardel
