#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "calc/department_values.h"
#include "calc/lay.h"
#include "calc/lay_figures.h"
#include "calc/lay_result.h"

// Lays written as a driver/operator course writes them: "200 ft of 2 1/2" to
// a wye, two branches of 150 ft of 1 3/4", 150 gpm fog at 100 psi".
namespace vardel::testing {

inline constexpr std::int16_t kInch175 = 4;  // rows of the hose table
inline constexpr std::int16_t kInch250 = 6;

inline Segment hose(std::int16_t row, double length, double lines = 1, Elevation rise = {}) {
  return {row, lines, length, rise};
}
inline Elevation floors(double count) { return {ElevationUnit::Floors, count}; }
inline Elevation height(double amount) { return {ElevationUnit::Height, amount}; }

inline Line fog(Segment s, double flow, double pressure) {
  return {s, {NozzleKind::Fog, pressure, flow, 0}};
}
inline Line tip(Segment s, double diameter, double pressure) {
  return {s, {NozzleKind::Tip, pressure, 0, diameter}};
}

inline Discharge line(const Line& l) { return {l.hose, l.nozzle, Appliance::None, {}, {}}; }
inline Discharge appliance(Appliance kind, Segment supply, std::vector<Line> branches,
                           Elevation rise = {}) {
  return {supply, {}, kind, rise, std::move(branches)};
}

inline Lay lay(bool metric, std::vector<Discharge> discharges) {
  return {"", metric, std::move(discharges)};
}

inline LayResult resultOf(const Lay& l, const DepartmentValues* department = nullptr) {
  return layResult(l, layFigures(department, l.metric));
}

// A department that set nothing but its pump's rating.
inline DepartmentValues ratedPump(double english, std::optional<double> intake = std::nullopt) {
  DepartmentValues values;
  values.name = "Engine 4";
  values.ratedFlow = {english, english * 3.785411784};
  values.intake = {intake, std::nullopt};
  return values;
}

// The two lays of the driver/operator course in English units and in their
// metric counterparts.
inline Lay wyedLay(bool metric) {
  if (metric) {
    return lay(true,
               {appliance(Appliance::Wye, hose(kInch250, 60),
                          {fog(hose(kInch175, 45), 570, 700), fog(hose(kInch175, 45), 570, 700)})});
  }
  return lay(false,
             {appliance(Appliance::Wye, hose(kInch250, 200),
                        {fog(hose(kInch175, 150), 150, 100), fog(hose(kInch175, 150), 150, 100)})});
}

inline Lay threeLines(bool metric) {
  if (metric) {
    return lay(true,
               {line(fog(hose(kInch175, 60), 570, 700)), line(tip(hose(kInch250, 75), 28, 345)),
                line(fog(hose(kInch175, 30), 360, 700))});
  }
  return lay(false,
             {line(fog(hose(kInch175, 200), 150, 100)), line(tip(hose(kInch250, 250), 1.125, 50)),
              line(fog(hose(kInch175, 100), 95, 100))});
}

}  // namespace vardel::testing
