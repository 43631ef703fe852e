#include "panel/control.h"

namespace vardel::panel {

std::string designName(const Control& row) {
  std::string name(row.name);
  if (row.index >= 0) name += "(" + std::to_string(row.index) + ")";
  return name;
}

}  // namespace vardel::panel
