#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "calc/lay.h"

// What a lay may hold, and why one that makes no sense is refused.
namespace vardel {

// The bounds of a lay's figures in one unit system, each {lowest, highest};
// the metric ones hold the English ones converted. A flow, a nozzle
// pressure and a tip must be more than their lowest.
struct LayBounds {
  double lines[2], length[2], nozzlePressure[2], flow[2], tip[2], floors[2], height[2];
};
// clang-format off
inline constexpr LayBounds kEnglishLayBounds{
    {1, 6}, {0, 10000}, {0, 300}, {0, 5000}, {0, 4}, {-50, 200}, {-500, 2500}};
inline constexpr LayBounds kMetricLayBounds{
    {1, 6}, {0, 3050}, {0, 2100}, {0, 19000}, {0, 102}, {-50, 200}, {-155, 765}};
// clang-format on

// "A" for the first discharge, "B" for the second, ...
std::string dischargeName(std::size_t index);

// Why the lay cannot be worked out, naming the discharge and the figure; an
// empty text when it can.
std::string checkLay(const Lay& lay);

// Makes `edit` on a copy of `lay` and keeps the copy if it passes the check;
// otherwise `lay` stays as it was. Returns why the edit was refused, or an
// empty text.
template <class Edit>
std::string editLay(Lay& lay, Edit&& edit) {
  Lay edited = lay;
  std::forward<Edit>(edit)(edited);
  std::string problem = checkLay(edited);
  if (problem.empty()) lay = std::move(edited);
  return problem;
}

}  // namespace vardel
