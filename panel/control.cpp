#include "panel/control.h"

namespace vardel::panel {

std::string designName(std::string_view name, int index) {
  std::string named(name);
  if (index >= 0) named += "(" + std::to_string(index) + ")";
  return named;
}

std::string designName(const Control& row) { return designName(row.name, row.index); }

int heightBelowLast(std::span<const Control> rows, int margin) {
  const Control& last = rows.back();
  return last.at.top + last.at.height + margin;
}

}  // namespace vardel::panel
