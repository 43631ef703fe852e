#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "calc/lay.h"

// Which figure of a lay each field and list of the Lays box shows and edits:
// of the discharge chosen, or of its branch chosen behind an appliance.
namespace vardel::panel::lay_fields {

struct NumberField {
  std::string_view name;
  std::string_view what;  // how a refusal names it: "The length"
  bool ofAppliance;       // a figure of an appliance or its branch, so none for a line
  double* (*figure)(Discharge& discharge, std::size_t branch);
};
std::span<const NumberField> numberFields();

struct ListField {
  std::string_view name;
  bool ofAppliance;
  int (*shown)(const Discharge& discharge, std::size_t branch);
  void (*choose)(Discharge& discharge, std::size_t branch, int row);
};
std::span<const ListField> listFields();

// The nozzle the box shows: a line's own, or that of the branch chosen.
Nozzle& nozzleOf(Discharge& discharge, std::size_t branch);
const Nozzle& nozzleOf(const Discharge& discharge, std::size_t branch);

// The discharge made another kind: a line turned into a supply keeps its
// hose as the supply and its nozzle on a first branch of 150 ft of 1 3/4";
// a supply turned into a line keeps its first branch's nozzle.
void makeKind(Discharge& discharge, Appliance kind);

}  // namespace vardel::panel::lay_fields
