#pragma once

#include <string>
#include <vector>

#include "core/calculator.h"
#include "department/department_store.h"
#include "panel/box_desk.h"

// What the engine's parts share: the calculator and its page panel in
// engine.cpp, the department's values in department.cpp, the working and
// the pump chart in working.cpp.
namespace vardel::web {

// Hands the page, in one call, what the last action left: the display, the
// indicator, the keys, the mark, and the events the action raised.
void drawPage();
// Tells the page a message in a box, with the next drawPage().
void tellPage(const std::string& message);

// Reads the department values kept in the site's storage and points the
// calculator at the figures in force; a refused file is told.
void startDepartment(Calculator& calculator);
// The store of the department's values, whose saved lines the chart offers.
const DepartmentStore& departmentStore();

// Makes the desk of the working and the pump chart; opens the chart.
void startWorking(Calculator& calculator);
void openPumpChart();

// What an open box's controls show, for the page: one record per control,
// its name, text, placeholder, chosen row, whether it is enabled, a grid's
// cells per row and its marked cells (by index, comma-separated), separated
// by unit separators, then its rows (a grid's cells), each after a group
// separator. Records are separated by record separators.
std::string shownRecords(const std::vector<panel::Shown>& shown);

// A text the page made in the engine's memory, taken over and freed; null
// is empty.
std::string takenText(char* text);

}  // namespace vardel::web
