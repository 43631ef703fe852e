#pragma once

#include <string>
#include <vector>

#include "calc/lay.h"
#include "calc/lay_figures.h"
#include "calc/lay_result.h"

// The working of a lay: every term of every line with its numbers put in,
// from the very values of its result and with the calculator's own terms,
// ending in the figures the result shows.
namespace vardel {

// "wye", "siamese or manifold", "standpipe", "master-stream device".
std::string applianceName(Appliance appliance);

// The working of `result`, the result of `lay` with `figures`, line by line:
// the lay and its units; each discharge's hose, nozzle, flow, friction loss,
// appliance loss and elevation, and the pressure each nozzle needs at the
// appliance and at the pump; the total flow; the gate of every other
// discharge and of every lower branch, each ending in the rounded figure
// shown; the capacity where the pump's rating is known; and last the pump
// pressure, ending in the display's text. Empty for a refused lay.
std::vector<std::string> layWorking(const Lay& lay, const LayFigures& figures,
                                    const LayResult& result);

}  // namespace vardel
