#include "calc/hose_table.h"

namespace vardel {

bool isHoseRow(std::int16_t row) {
  return row >= 0 && static_cast<std::size_t>(row) < kHoses.size();
}

std::string hoseName(std::int16_t row) {
  if (!isHoseRow(row)) return {};
  std::string_view caption = kHoses[static_cast<std::size_t>(row)].caption;
  while (!caption.empty() && caption.front() == ' ') caption.remove_prefix(1);
  return std::string(caption);
}

}  // namespace vardel
