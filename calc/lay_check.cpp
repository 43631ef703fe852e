#include "calc/lay_check.h"

#include <cmath>

#include "calc/hose_table.h"
#include "calc/unit_text.h"
#include "core/number_text.h"

namespace vardel {
namespace {

// Where in the lay a figure is, as a message begins: "Discharge B, branch 2".
struct Place {
  std::string name;
  std::string operator()(const std::string& problem) const { return name + ": " + problem; }
};

bool inside(const double (&limits)[2], double value, bool aboveLowest) {
  if (!std::isfinite(value) || value > limits[1]) return false;
  return aboveLowest ? value > limits[0] : value >= limits[0];
}

// "the length must lie between 0 and 10000 ft." or, where the lowest is not
// allowed, "the flow must be more than 0 and at most 5000 gpm."
std::string outside(const char* what, const double (&limits)[2], std::string_view unit,
                    double value, bool aboveLowest = false) {
  if (inside(limits, value, aboveLowest)) return {};
  const std::string low = formatPlain(limits[0]), high = formatPlain(limits[1]);
  return std::string(what) +
         (aboveLowest ? " must be more than " + low + " and at most "
                      : " must lie between " + low + " and ") +
         high + " " + std::string(unit) + ".";
}

std::string checkElevation(const Elevation& e, const LayBounds& b, const UnitNames& u,
                           const char* what) {
  if (e.unit == ElevationUnit::Floors) return outside(what, b.floors, "floors", e.amount);
  return outside(what, b.height, u.length, e.amount);
}

std::string checkSegment(const Segment& s, const LayBounds& b, const UnitNames& u) {
  if (s.hose < 0 || static_cast<std::size_t>(s.hose) >= kHoses.size()) {
    return "the hose is no hose key.";
  }
  if (!inside(b.lines, s.lines, false) || s.lines != std::floor(s.lines)) {
    return "the lines must be a whole number from " + formatPlain(b.lines[0]) + " to " +
           formatPlain(b.lines[1]) + ".";
  }
  if (std::string p = outside("the length", b.length, u.length, s.length); !p.empty()) return p;
  return checkElevation(s.rise, b, u, "the rise");
}

std::string checkNozzle(const Nozzle& n, const LayBounds& b, const UnitNames& u) {
  if (std::string p =
          outside("the nozzle pressure", b.nozzlePressure, u.pressure, n.pressure, true);
      !p.empty()) {
    return p;
  }
  if (n.kind == NozzleKind::Tip) return outside("the tip", b.tip, u.diameter, n.tip, true);
  return outside("the flow", b.flow, u.flow, n.flow, true);
}

std::string checkLine(const Line& line, const LayBounds& b, const UnitNames& u, const Place& at) {
  for (const std::string& p : {checkSegment(line.hose, b, u), checkNozzle(line.nozzle, b, u)}) {
    if (!p.empty()) return at(p);
  }
  return {};
}

std::string checkAppliance(const Discharge& d, const LayBounds& b, const UnitNames& u,
                           const Place& at) {
  if (d.branches.empty() || d.branches.size() > kMostBranches) {
    return at("an appliance has 1 to " + std::to_string(kMostBranches) + " branches.");
  }
  if (std::string p = checkSegment(d.hose, b, u); !p.empty()) return at("the supply: " + p);
  if (std::string p = checkElevation(d.applianceRise, b, u, "the appliance's rise"); !p.empty()) {
    return at(p);
  }
  for (std::size_t i = 0; i < d.branches.size(); ++i) {
    const Place branch{at.name + ", branch " + std::to_string(i + 1)};
    if (std::string p = checkLine(d.branches[i], b, u, branch); !p.empty()) return p;
  }
  return {};
}

std::string checkDischarge(const Discharge& d, const LayBounds& b, const UnitNames& u,
                           const Place& at) {
  if (d.appliance != Appliance::None) return checkAppliance(d, b, u, at);
  if (!d.branches.empty()) return at("a line has no branches; choose an appliance for them.");
  return checkLine({d.hose, d.nozzle}, b, u, at);
}

}  // namespace

std::string dischargeName(std::size_t index) {
  return std::string(1, static_cast<char>('A' + index));
}

std::string checkLay(const Lay& lay) {
  if (lay.discharges.empty() || lay.discharges.size() > kMostDischarges) {
    return "A lay has 1 to " + std::to_string(kMostDischarges) + " discharges.";
  }
  const LayBounds& b = lay.metric ? kMetricLayBounds : kEnglishLayBounds;
  const UnitNames& u = unitNames(lay.metric);
  for (std::size_t i = 0; i < lay.discharges.size(); ++i) {
    const Place at{"Discharge " + dischargeName(i)};
    if (std::string p = checkDischarge(lay.discharges[i], b, u, at); !p.empty()) return p;
  }
  return {};
}

}  // namespace vardel
