#include "panel/lay_fields.h"

#include "panel/lays_box.h"

namespace vardel::panel::lay_fields {
namespace {

using namespace lays_box;

Line& branchOf(Discharge& d, std::size_t branch) { return d.branches[branch]; }

ElevationUnit unitOf(int row) { return row == 1 ? ElevationUnit::Height : ElevationUnit::Floors; }
int rowOf(ElevationUnit unit) { return unit == ElevationUnit::Height ? 1 : 0; }

// clang-format off
constexpr NumberField kNumbers[] = {
    {kLines, "The number of lines", false,
     [](Discharge& d, std::size_t) { return &d.hose.lines; }},
    {kLength, "The length", false, [](Discharge& d, std::size_t) { return &d.hose.length; }},
    {kRise, "The rise", false, [](Discharge& d, std::size_t) { return &d.hose.rise.amount; }},
    {kApplianceRise, "The appliance's rise", true,
     [](Discharge& d, std::size_t) { return &d.applianceRise.amount; }},
    {kBranchLines, "The number of lines of the branch", true,
     [](Discharge& d, std::size_t b) { return &branchOf(d, b).hose.lines; }},
    {kBranchLength, "The length of the branch", true,
     [](Discharge& d, std::size_t b) { return &branchOf(d, b).hose.length; }},
    {kBranchRise, "The rise of the branch", true,
     [](Discharge& d, std::size_t b) { return &branchOf(d, b).hose.rise.amount; }},
    {kNozzlePressure, "The nozzle pressure", false,
     [](Discharge& d, std::size_t b) { return &nozzleOf(d, b).pressure; }},
    {kNozzleFigure, "The nozzle's flow or tip", false, [](Discharge& d, std::size_t b) {
       Nozzle& n = nozzleOf(d, b);
       return n.kind == NozzleKind::Tip ? &n.tip : &n.flow;
     }},
};

constexpr ListField kLists[] = {
    {kKind, false, [](const Discharge& d, std::size_t) { return static_cast<int>(d.appliance); },
     [](Discharge& d, std::size_t, int row) { makeKind(d, static_cast<Appliance>(row)); }},
    {kHose, false, [](const Discharge& d, std::size_t) { return static_cast<int>(d.hose.hose); },
     [](Discharge& d, std::size_t, int row) { d.hose.hose = static_cast<std::int16_t>(row); }},
    {kRiseUnit, false, [](const Discharge& d, std::size_t) { return rowOf(d.hose.rise.unit); },
     [](Discharge& d, std::size_t, int row) { d.hose.rise.unit = unitOf(row); }},
    {kApplianceRiseUnit, true,
     [](const Discharge& d, std::size_t) { return rowOf(d.applianceRise.unit); },
     [](Discharge& d, std::size_t, int row) { d.applianceRise.unit = unitOf(row); }},
    {kBranchHose, true,
     [](const Discharge& d, std::size_t b) { return static_cast<int>(d.branches[b].hose.hose); },
     [](Discharge& d, std::size_t b, int row) {
       branchOf(d, b).hose.hose = static_cast<std::int16_t>(row);
     }},
    {kBranchRiseUnit, true,
     [](const Discharge& d, std::size_t b) { return rowOf(d.branches[b].hose.rise.unit); },
     [](Discharge& d, std::size_t b, int row) { branchOf(d, b).hose.rise.unit = unitOf(row); }},
    {kNozzle, false,
     [](const Discharge& d, std::size_t b) {
       return nozzleOf(d, b).kind == NozzleKind::Tip ? 1 : 0;
     },
     [](Discharge& d, std::size_t b, int row) {
       nozzleOf(d, b).kind = row == 1 ? NozzleKind::Tip : NozzleKind::Fog;
     }},
};
// clang-format on

}  // namespace

std::span<const NumberField> numberFields() { return kNumbers; }
std::span<const ListField> listFields() { return kLists; }

Nozzle& nozzleOf(Discharge& d, std::size_t branch) {
  return d.appliance == Appliance::None ? d.nozzle : d.branches[branch].nozzle;
}
const Nozzle& nozzleOf(const Discharge& d, std::size_t branch) {
  return d.appliance == Appliance::None ? d.nozzle : d.branches[branch].nozzle;
}

void makeKind(Discharge& d, Appliance kind) {
  if (kind == Appliance::None && d.appliance != Appliance::None) {
    if (!d.branches.empty()) d.nozzle = d.branches.front().nozzle;
    d.branches.clear();
  } else if (kind != Appliance::None && d.appliance == Appliance::None) {
    d.branches = {Line{Segment{4, 1, 150, {}}, d.nozzle}};
  }
  d.appliance = kind;
}

}  // namespace vardel::panel::lay_fields
