#include "practice/wording.h"

#include <optional>

#include "calc/hose_table.h"
#include "calc/unit_text.h"
#include "core/number_text.h"

namespace vardel::practice {

std::string hoseWords(std::int16_t hose, bool metric) {
  if (!isHoseRow(hose)) return {};
  const Hose& h = kHoses[static_cast<std::size_t>(hose)];
  std::string_view words = metric ? h.metricDisplay : h.caption;
  while (words.starts_with(' ')) words.remove_prefix(1);
  return std::string(words) + (metric ? " mm" : "");
}

bool isOneLine(std::string_view lines) {
  const std::optional<double> count = readStrict(lines);
  return count && (*count == 0 || *count == 1);
}

std::string layWords(std::string_view lines, std::string_view length, std::int16_t hose,
                     bool metric, double coefficient) {
  const std::string one = std::string(length) + " " + std::string(unitNames(metric).length) +
                          " of " + hoseWords(hose, metric) + " hose (C " +
                          formatPlain(coefficient) + ")";
  if (isOneLine(lines)) return one;
  return std::string(lines) + " siamesed lines of " + one;
}

std::string floorWords(std::string_view floors, bool metric, double perFloor) {
  const std::optional<double> count = readStrict(floors);
  if (!count || *count == 0) return {};
  const bool down = *count < 0;
  if (down) floors.remove_prefix(1);
  return ", " + std::string(floors) + (*count == 1 || *count == -1 ? " floor " : " floors ") +
         (down ? "down" : "up") + " (" + formatPlain(perFloor) + " " +
         std::string(unitNames(metric).pressure) + " a floor)";
}

}  // namespace vardel::practice
