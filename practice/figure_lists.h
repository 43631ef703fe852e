#pragma once

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "calc/hose_table.h"

// The figures practice problems are drawn from: realistic lays, nozzles and
// areas, each a list of exact figures (whole numbers, or tips as keyed), one
// set of lists for each unit system. Lengths are whole sections of hose.
namespace vardel::practice::figures {

// The row of the hose key with this caption; a caption of no key stops the
// build.
consteval std::int16_t hoseRow(std::string_view caption) {
  for (std::size_t row = 0; row < kHoses.size(); ++row) {
    if (kHoses[row].caption == caption) return static_cast<std::int16_t>(row);
  }
  std::abort();
}

// A lay a crew would stretch for a flow: its hose (row of the hose table),
// the lines siamesed, the flows it carries, and its shortest and longest
// length (ft or m), which keep its pump pressure within what a pump gives.
struct LayChoice {
  std::int16_t hose;
  int lines;
  std::span<const int> flows;
  int shortest, longest;
};

// A nozzle at its nozzle pressure, and what the problem calls it.
struct Nozzle {
  int pressure;
  std::string_view kind;
};

// A smooth-bore tip as a crew names it, and as it is keyed.
struct Tip {
  std::string_view words;
  std::string_view keyed;
};

// The figures of one unit system. "Handline" and "master" lists go together:
// a problem is drawn for a handline or for a master stream.
struct UnitLists {
  std::span<const LayChoice> handlineLays, masterLays;
  std::span<const int> sections;  // the length of one section of hose
  std::span<const Nozzle> handlineNozzles, masterNozzles;
  std::span<const Tip> handlineTips, masterTips;
  int handlineTipPressure, masterTipPressure;
  std::span<const int> handlineFlows, masterFlows;                // fog nozzles, rated or flowing
  std::span<const int> handlineFogPressures, masterFogPressures;  // rated, and flowing
  std::span<const int> nozzlePressures;                           // a fog nozzle may be worked at
  std::span<const int> areaSides;  // of a room or floor area, ft or m
  // A wyed lay: the supply to the wye (its flows are its branches'), and the
  // branches behind it, short enough to keep the pump pressure in reach.
  std::span<const LayChoice> wyeSupplies, wyeBranches;
};

// The floors a pump pressure climbs (negative: below the pump).
inline constexpr int kFloors[] = {0, 0, 0, 1, 2, 3, 4, 5, -1};

namespace english {
inline constexpr int k1Half[] = {95, 100, 125, 150};
inline constexpr int k1ThreeQuarter[] = {95, 100, 125, 150, 160, 175, 185};
inline constexpr int k2[] = {150, 175, 185, 200, 225, 250};
inline constexpr int k2Half[] = {185, 200, 225, 250};
inline constexpr int kMaster[] = {500, 600, 750, 800, 1000};
inline constexpr LayChoice kHandlineLays[] = {
    {hoseRow("1 1/2\""), 1, k1Half, 100, 200},
    {hoseRow("1 3/4\""), 1, k1ThreeQuarter, 100, 300},
    {hoseRow("2\""), 1, k2, 100, 300},
    {hoseRow("2 1/2\""), 1, k2Half, 100, 400},
};
inline constexpr LayChoice kMasterLays[] = {
    {hoseRow("2 1/2\""), 2, kMaster, 100, 300}, {hoseRow("2 1/2\""), 3, kMaster, 100, 400},
    {hoseRow("3\""), 2, kMaster, 100, 400},     {hoseRow("4\""), 1, kMaster, 100, 500},
    {hoseRow("5\""), 1, kMaster, 200, 1000},
};
inline constexpr int kSections[] = {50};
inline constexpr Nozzle kHandlineNozzles[] = {{100, "fog"}, {75, "fog"}, {50, "smooth bore"}};
inline constexpr Nozzle kMasterNozzles[] = {{100, "fog"}, {80, "smooth bore"}};
inline constexpr Tip kHandlineTips[] = {{"7/8\" tip (0.875 in)", "0.875"},
                                        {"15/16\" tip (0.9375 in)", "0.9375"},
                                        {"1\" tip", "1"},
                                        {"1 1/8\" tip (1.125 in)", "1.125"},
                                        {"1 1/4\" tip (1.25 in)", "1.25"}};
inline constexpr Tip kMasterTips[] = {{"1 3/8\" tip (1.375 in)", "1.375"},
                                      {"1 1/2\" tip (1.5 in)", "1.5"},
                                      {"1 3/4\" tip (1.75 in)", "1.75"},
                                      {"2\" tip", "2"}};
inline constexpr int kHandlineFlows[] = {95, 100, 125, 150, 175, 200, 250};
inline constexpr int kHandlineFogPressures[] = {100, 75};
inline constexpr int kMasterFogPressures[] = {100};
inline constexpr int kNozzlePressures[] = {50, 75, 80, 100};
inline constexpr int kAreaSides[] = {10, 12, 15, 20, 25, 30, 40, 50, 60};
inline constexpr LayChoice kWyeSupplies[] = {{hoseRow("2 1/2\""), 1, {}, 100, 200},
                                             {hoseRow("3\""), 1, {}, 100, 300}};
inline constexpr LayChoice kWyeBranches[] = {{hoseRow("1 1/2\""), 1, k1Half, 50, 150},
                                             {hoseRow("1 3/4\""), 1, k1ThreeQuarter, 50, 200}};
}  // namespace english

namespace metric {
inline constexpr int k38[] = {360, 380, 475, 570};
inline constexpr int k45[] = {360, 380, 475, 570, 600, 660, 700};
inline constexpr int k50[] = {570, 660, 700, 760, 850, 950};
inline constexpr int k65[] = {700, 760, 850, 950};
inline constexpr int kMaster[] = {1900, 2300, 2850, 3000, 3800};
inline constexpr LayChoice kHandlineLays[] = {
    {hoseRow("1 1/2\""), 1, k38, 30, 60},
    {hoseRow("1 3/4\""), 1, k45, 30, 90},
    {hoseRow("2\""), 1, k50, 30, 90},
    {hoseRow("2 1/2\""), 1, k65, 30, 120},
};
inline constexpr LayChoice kMasterLays[] = {
    {hoseRow("2 1/2\""), 2, kMaster, 30, 90}, {hoseRow("2 1/2\""), 3, kMaster, 30, 120},
    {hoseRow("3\""), 2, kMaster, 30, 120},    {hoseRow("4\""), 1, kMaster, 30, 150},
    {hoseRow("5\""), 1, kMaster, 60, 300},
};
inline constexpr int kSections[] = {15, 20};
inline constexpr Nozzle kHandlineNozzles[] = {{700, "fog"}, {500, "fog"}, {350, "smooth bore"}};
inline constexpr Nozzle kMasterNozzles[] = {{700, "fog"}, {550, "smooth bore"}};
inline constexpr Tip kHandlineTips[] = {
    {"22 mm tip", "22"}, {"25 mm tip", "25"}, {"28 mm tip", "28"}, {"32 mm tip", "32"}};
inline constexpr Tip kMasterTips[] = {
    {"35 mm tip", "35"}, {"38 mm tip", "38"}, {"45 mm tip", "45"}, {"50 mm tip", "50"}};
inline constexpr int kHandlineFlows[] = {360, 380, 475, 570, 660, 760, 950};
inline constexpr int kHandlineFogPressures[] = {700, 500};
inline constexpr int kMasterFogPressures[] = {700};
inline constexpr int kNozzlePressures[] = {350, 500, 550, 700};
inline constexpr int kAreaSides[] = {3, 4, 5, 6, 8, 10, 12, 15, 20};
inline constexpr LayChoice kWyeSupplies[] = {{hoseRow("2 1/2\""), 1, {}, 30, 60},
                                             {hoseRow("3\""), 1, {}, 30, 90}};
inline constexpr LayChoice kWyeBranches[] = {{hoseRow("1 1/2\""), 1, k38, 15, 45},
                                             {hoseRow("1 3/4\""), 1, k45, 15, 60}};
}  // namespace metric

inline constexpr UnitLists kEnglish{
    .handlineLays = english::kHandlineLays,
    .masterLays = english::kMasterLays,
    .sections = english::kSections,
    .handlineNozzles = english::kHandlineNozzles,
    .masterNozzles = english::kMasterNozzles,
    .handlineTips = english::kHandlineTips,
    .masterTips = english::kMasterTips,
    .handlineTipPressure = 50,
    .masterTipPressure = 80,
    .handlineFlows = english::kHandlineFlows,
    .masterFlows = english::kMaster,
    .handlineFogPressures = english::kHandlineFogPressures,
    .masterFogPressures = english::kMasterFogPressures,
    .nozzlePressures = english::kNozzlePressures,
    .areaSides = english::kAreaSides,
    .wyeSupplies = english::kWyeSupplies,
    .wyeBranches = english::kWyeBranches,
};
inline constexpr UnitLists kMetric{
    .handlineLays = metric::kHandlineLays,
    .masterLays = metric::kMasterLays,
    .sections = metric::kSections,
    .handlineNozzles = metric::kHandlineNozzles,
    .masterNozzles = metric::kMasterNozzles,
    .handlineTips = metric::kHandlineTips,
    .masterTips = metric::kMasterTips,
    .handlineTipPressure = 350,
    .masterTipPressure = 550,
    .handlineFlows = metric::kHandlineFlows,
    .masterFlows = metric::kMaster,
    .handlineFogPressures = metric::kHandlineFogPressures,
    .masterFogPressures = metric::kMasterFogPressures,
    .nozzlePressures = metric::kNozzlePressures,
    .areaSides = metric::kAreaSides,
    .wyeSupplies = metric::kWyeSupplies,
    .wyeBranches = metric::kWyeBranches,
};

}  // namespace vardel::practice::figures
