#pragma once

#include <string>
#include <vector>

namespace vardel::testing {

// Lines of a text, as one text with each line ended by "\n", for comparing
// a working or a summary whole.
inline std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace vardel::testing
