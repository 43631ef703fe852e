#pragma once

#include <string>

#include "calc/lay.h"
#include "calc/lay_figures.h"

// The words of a lay problem: each discharge's hose, nozzle and rise, with
// the coefficient, the appliance loss and the pressure per floor or per
// height to use, so that the problem is fair.
namespace vardel::practice {

// Whether the words below can state the lay: its discharges are lines or
// supplies to a wye.
bool canWord(const Lay& lay);

// "200 ft of 2 1/2" hose (C 2) to a wye (10 psi lost from 350 gpm), two
// branches, each 150 ft of 1 3/4" hose (C 15.5), 150 gpm fog at 100 psi".
std::string dischargeWords(const Discharge& discharge, const LayFigures& figures);

// One discharge in its words, or "Two lines off one pump: A, ...; B, ...".
std::string layWords(const Lay& lay, const LayFigures& figures);

}  // namespace vardel::practice
