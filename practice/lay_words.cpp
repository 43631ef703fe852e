#include "practice/lay_words.h"

#include <array>
#include <string_view>

#include "calc/appliance_losses.h"
#include "calc/lay_check.h"
#include "calc/lay_result.h"
#include "calc/unit_text.h"
#include "core/number_text.h"
#include "practice/wording.h"

namespace vardel::practice {
namespace {

// A count in words, for the few a lay holds.
std::string countWords(std::size_t count) {
  constexpr std::array<std::string_view, 7> kWords = {"no",   "one",  "two", "three",
                                                      "four", "five", "six"};
  if (count < kWords.size()) return std::string(kWords[count]);
  return std::to_string(count);
}

std::string capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}

std::string riseWords(const Elevation& rise, const LayFigures& figures) {
  if (rise.amount == 0) return {};
  if (rise.unit == ElevationUnit::Floors) {
    return floorWords(formatPlain(rise.amount), figures.metric, figures.perFloor.value);
  }
  const UnitNames& units = unitNames(figures.metric);
  const std::string length(units.length);
  return ", " + formatPlain(rise.amount < 0 ? -rise.amount : rise.amount) + " " + length +
         (rise.amount < 0 ? " down (" : " up (") + formatPlain(figures.perHeight) + " " +
         std::string(units.pressure) + " a " + length + ")";
}

std::string segmentWords(const Segment& segment, const LayFigures& figures) {
  const double coefficient = figures.coefficients[static_cast<std::size_t>(segment.hose)].value;
  return practice::layWords(formatPlain(segment.lines), formatPlain(segment.length), segment.hose,
                            figures.metric, coefficient) +
         riseWords(segment.rise, figures);
}

std::string nozzleWords(const Nozzle& nozzle, bool metric) {
  const UnitNames& units = unitNames(metric);
  const std::string at = " at " + formatPlain(nozzle.pressure) + " " + std::string(units.pressure);
  if (nozzle.kind == NozzleKind::Tip) {
    return "a " + formatPlain(nozzle.tip) + (metric ? " mm" : " in") + " tip" + at;
  }
  return formatPlain(nozzle.flow) + " " + std::string(units.flow) + " fog" + at;
}

std::string lineWords(const Segment& hose, const Nozzle& nozzle, const LayFigures& figures) {
  return segmentWords(hose, figures) + ", " + nozzleWords(nozzle, figures.metric);
}

// A figure as it stands when whole, else "about" its rounding: the metric
// appliance losses are conversions of whole English ones.
std::string figureWords(double value) {
  const std::string rounded = roundedText(value);
  if (rounded == formatPlain(value)) return rounded;
  return "about " + rounded;
}

std::string wyeWords(const LayFigures& figures) {
  const UnitNames& units = unitNames(figures.metric);
  const ApplianceLosses& losses = figures.appliances;
  return " to a wye (" + figureWords(losses.manifold.value) + " " + std::string(units.pressure) +
         " lost from " + figureWords(losses.threshold.value) + " " + std::string(units.flow) + ")";
}

bool allAlike(const std::vector<Line>& branches) {
  for (const Line& branch : branches) {
    if (!(branch == branches.front())) return false;
  }
  return true;
}

}  // namespace

bool canWord(const Lay& lay) {
  for (const Discharge& d : lay.discharges) {
    if (d.appliance != Appliance::None && d.appliance != Appliance::Wye) return false;
    if (d.appliance == Appliance::Wye && d.branches.empty()) return false;
  }
  return !lay.discharges.empty();
}

std::string dischargeWords(const Discharge& discharge, const LayFigures& figures) {
  if (discharge.appliance != Appliance::Wye) {
    return lineWords(discharge.hose, discharge.nozzle, figures);
  }
  const std::vector<Line>& branches = discharge.branches;
  std::string words = segmentWords(discharge.hose, figures) + wyeWords(figures) + ", " +
                      countWords(branches.size()) +
                      (branches.size() == 1 ? " branch" : " branches");
  if (allAlike(branches)) {
    const Line& branch = branches.front();
    return words + (branches.size() == 1 ? ", " : ", each ") +
           lineWords(branch.hose, branch.nozzle, figures);
  }
  for (std::size_t i = 0; i < branches.size(); ++i) {
    words += (i == 0 ? ": " : "; ") + lineWords(branches[i].hose, branches[i].nozzle, figures);
  }
  return words;
}

std::string layWords(const Lay& lay, const LayFigures& figures) {
  if (lay.discharges.size() == 1) return dischargeWords(lay.discharges.front(), figures);
  std::string words = capitalised(countWords(lay.discharges.size())) + " lines off one pump";
  for (std::size_t i = 0; i < lay.discharges.size(); ++i) {
    words += (i == 0 ? ": " : "; ") + dischargeName(i) + ", " +
             dischargeWords(lay.discharges[i], figures);
  }
  return words;
}

}  // namespace vardel::practice
