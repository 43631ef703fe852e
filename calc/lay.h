#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A lay: one to six discharges off one pump, each a line to a nozzle or a
// supply to an appliance with one to three branches. Every figure is in the
// lay's own unit system: psi, gpm, ft and in, or kPa, L/min, m and mm.
namespace vardel {

// A rise (above zero) or a fall (below zero), in floors or in height.
enum class ElevationUnit : std::uint8_t {
  Floors,  // as keyed, at the pressure per floor in force
  Height,  // ft or m, at the weight of a column of water
};

struct Elevation {
  ElevationUnit unit = ElevationUnit::Floors;
  double amount = 0;  // 0: level; no elevation figure goes in

  bool operator==(const Elevation&) const = default;
};

// A length of hose: siamesed lines of one hose key, and where its far end
// lies above or below its near end.
struct Segment {
  std::int16_t hose = 4;  // row of the hose table: 1 3/4"
  double lines = 1;       // siamesed lines sharing the flow
  double length = 200;    // ft or m; 0 for a nozzle on the appliance itself
  Elevation rise{};

  bool operator==(const Segment&) const = default;
};

enum class NozzleKind : std::uint8_t {
  Fog,  // a flow at a nozzle pressure
  Tip,  // a smooth-bore tip at a nozzle pressure; its flow is worked out
};

struct Nozzle {
  NozzleKind kind = NozzleKind::Fog;
  double pressure = 100;  // psi or kPa at the nozzle
  double flow = 150;      // gpm or L/min, of a fog nozzle
  double tip = 1;         // in or mm, of a smooth-bore tip

  bool operator==(const Nozzle&) const = default;
};

// Hose to one nozzle: a line of its own, or a branch behind an appliance.
struct Line {
  Segment hose{};
  Nozzle nozzle{};

  bool operator==(const Line&) const = default;
};

enum class Appliance : std::uint8_t {
  None,          // the discharge is one line
  Wye,           // one supply divided into branches
  Siamese,       // a siamese or manifold
  Standpipe,     // the feed to the connection, the standpipe, the line from the outlet
  MasterStream,  // a master-stream device fed by its siamesed supply
};

// One discharge of the pump: a line (its hose to its nozzle), or a supply
// from the pump to an appliance and the branches that leave it.
struct Discharge {
  Segment hose{};   // a line's hose, or the supply to the appliance
  Nozzle nozzle{};  // a line's nozzle; behind an appliance each branch has its own
  Appliance appliance = Appliance::None;
  Elevation applianceRise{};   // a standpipe's riser, from its inlet to the outlet used
  std::vector<Line> branches;  // behind the appliance; none for a line

  bool operator==(const Discharge&) const = default;
};

inline constexpr std::size_t kMostDischarges = 6;
inline constexpr std::size_t kMostBranches = 3;

struct Lay {
  std::string name;
  bool metric = false;
  std::vector<Discharge> discharges{Discharge{}};

  bool operator==(const Lay&) const = default;
};

}  // namespace vardel
